// Translated: while it lives, some source texts read as given, as a language of longer words
// has them, whatever the context.
#pragma once

#include <QCoreApplication>
#include <QTranslator>
#include <map>

class Translated : public QTranslator {
public:
    explicit Translated(std::map<QByteArray, QString> texts)
        : texts_(std::move(texts))
    {
        QCoreApplication::installTranslator(this);
    }
    ~Translated() override { QCoreApplication::removeTranslator(this); }
    Translated(const Translated&) = delete;
    Translated& operator=(const Translated&) = delete;

    QString translate(const char*, const char* source, const char*, int) const override
    {
        const auto found = texts_.find(QByteArray(source));
        return found == texts_.end() ? QString() : found->second;
    }
    bool isEmpty() const override { return false; }

private:
    std::map<QByteArray, QString> texts_;
};
