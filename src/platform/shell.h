// Shell: opens documents and web pages with the desktop's default programs.
#pragma once

#include <QString>

// Results keep the classic shell codes: above 32 is success; 2 means the file was not
// found, 31 that no program is associated with it.
class Shell {
public:
    static constexpr int FileNotFound = 2;
    static constexpr int NoAssociation = 31;
    static constexpr int Opened = 42;

    virtual ~Shell() = default;
    // A web address ("https://...") or the path of a local file.
    virtual int open(const QString& target) = 0;
};

class DesktopShell : public Shell {
public:
    int open(const QString& target) override;
};
