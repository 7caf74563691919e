// Shell: opens documents and web pages with the desktop's default programs.
#pragma once

#include <QString>
#include <functional>

// Results keep the classic shell codes: above 32 is success; 2 means the file was not
// found, 31 that no program is associated with it.
class Shell {
public:
    static constexpr int FileNotFound = 2;
    static constexpr int NoAssociation = 31;
    static constexpr int Opened = 42;

    // Hears, with one of the codes, that an open reported as started has failed after all.
    using LateFailure = std::function<void(int code)>;

    virtual ~Shell() = default;
    // A web address ("https://...") or the path of a local file. Some desktops can only tell
    // later that nothing could show it; then failedLater is called, if given.
    virtual int open(const QString& target, const LateFailure& failedLater) = 0;
    int open(const QString& target) { return open(target, {}); }
};

// On Linux, through xdg-open where it is installed, whose exit tells whether a program could
// show the target; elsewhere, and without it, through Qt's desktop services.
class DesktopShell : public Shell {
public:
    using Shell::open;
    int open(const QString& target, const LateFailure& failedLater) override;
};
