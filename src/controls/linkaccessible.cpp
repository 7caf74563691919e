// Link accessible: a hyperlink label as a screen reader meets it.
#include "linkaccessible.h"

#include "hyperlinklabel.h"

#include <QAccessibleWidget>
#include <QKeyEvent>

namespace {
// A screen reader meets the label as a link, named by its text, that can be pressed.
class LinkAccessible : public QAccessibleWidget {
public:
    explicit LinkAccessible(HyperlinkLabel* label)
        : QAccessibleWidget(label, QAccessible::Link)
    {}

    QString text(QAccessible::Text kind) const override
    {
        const auto* label = static_cast<const HyperlinkLabel*>(widget());
        if (kind == QAccessible::Name)
            return label->text();
        if (kind == QAccessible::Description)
            return label->target();
        return QAccessibleWidget::text(kind);
    }
    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& action) override
    {
        if (action != pressAction()) {
            QAccessibleWidget::doAction(action);
            return;
        }
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
        QCoreApplication::sendEvent(widget(), &press); // as Enter opens it
    }
};
} // namespace

QAccessibleInterface* linkAccessible(HyperlinkLabel* label)
{
    return new LinkAccessible(label);
}
