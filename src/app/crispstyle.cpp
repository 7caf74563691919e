// CrispStyle: the desktop's style, with message-box icons sharp at every scale.
#include "crispstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <map>

namespace {
// Each message icon: the icon theme's name for it, and how it is painted otherwise (a circle,
// or a triangle for a warning, holding a letter, or a cross where there is none).
struct MessageIcon {
    const char* themeName;
    QColor colour;
    QColor ink;
    bool triangle;
    const char* mark;
};

const std::map<QStyle::StandardPixmap, MessageIcon>& messageIcons()
{
    const QColor blue(52, 101, 164);
    static const std::map<QStyle::StandardPixmap, MessageIcon> icons{
        {QStyle::SP_MessageBoxInformation, {"dialog-information", blue, Qt::white, false, "i"}},
        {QStyle::SP_MessageBoxWarning,
         {"dialog-warning", QColor(237, 170, 0), Qt::black, true, "!"}},
        {QStyle::SP_MessageBoxCritical,
         {"dialog-error", QColor(204, 0, 0), Qt::white, false, nullptr}},
        {QStyle::SP_MessageBoxQuestion, {"dialog-question", blue, Qt::white, false, "?"}},
    };
    return icons;
}

// Paints the icon into whatever rectangle it is asked for, so each size is drawn, not scaled.
class PaintedIcon : public QIconEngine {
public:
    explicit PaintedIcon(const MessageIcon& look)
        : look_(look)
    {}
    QIconEngine* clone() const override { return new PaintedIcon(look_); }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal side = std::min(rect.width(), rect.height());
        const QRectF box(rect.center().x() + 0.5 - side / 2, rect.center().y() + 0.5 - side / 2,
                         side, side);
        const QRectF shape = box.adjusted(side * 0.04, side * 0.04, -side * 0.04, -side * 0.04);
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(look_.colour);
        if (look_.triangle)
            painter->drawPolygon(QPolygonF{
                {shape.center().x(), shape.top()}, shape.bottomRight(), shape.bottomLeft()});
        else
            painter->drawEllipse(shape);
        if (look_.mark == nullptr) {
            painter->setPen(QPen(look_.ink, side * 0.12, Qt::SolidLine, Qt::RoundCap));
            const QRectF cross = box.adjusted(side * 0.32, side * 0.32, -side * 0.32, -side * 0.32);
            painter->drawLine(cross.topLeft(), cross.bottomRight());
            painter->drawLine(cross.topRight(), cross.bottomLeft());
        } else {
            QFont font = painter->font();
            font.setBold(true);
            font.setPixelSize(std::max(1, static_cast<int>(side * 0.6)));
            painter->setFont(font);
            painter->setPen(look_.ink);
            // A triangle's letter sits low, where the triangle is wide.
            painter->drawText(look_.triangle ? shape.adjusted(0, side * 0.2, 0, 0) : shape,
                              Qt::AlignCenter, QString::fromLatin1(look_.mark));
        }
        painter->restore();
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap pixmap(size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        paint(&painter, QRect(QPoint(0, 0), size), mode, state);
        return pixmap;
    }

private:
    MessageIcon look_;
};
} // namespace

QIcon CrispStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                               const QWidget* widget) const
{
    const auto found = messageIcons().find(icon);
    if (found == messageIcons().end())
        return QProxyStyle::standardIcon(icon, option, widget);
    const QString name = QString::fromLatin1(found->second.themeName);
    return QIcon::hasThemeIcon(name) ? QIcon::fromTheme(name)
                                     : QIcon(new PaintedIcon(found->second));
}

int CrispStyle::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                          QStyleHintReturn* returned) const
{
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}
