// CrispStyle: the desktop's style, with message-box icons sharp at every scale.
#pragma once

#include <QProxyStyle>

// Where the icon theme has no message-box icons, the built-in ones are small pixmaps that turn
// to blocks at 200 %: these are painted at every size asked for instead. Dialog buttons carry
// no icons (their built-in ones are the same small pixmaps), as on most desktops today.
class CrispStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    int styleHint(StyleHint hint, const QStyleOption* option = nullptr,
                  const QWidget* widget = nullptr,
                  QStyleHintReturn* returned = nullptr) const override;
};
