// CrispStyle: the desktop's style, with message-box icons sharp at every scale.
#include "crispstyle.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>
#include <map>

namespace {
struct MessageIcon {
    const char* themeName; // the icon theme's name for it
    QColor colour;
    enum class Mark { Info, Warning, Critical, Question } mark;
};

const std::map<QStyle::StandardPixmap, MessageIcon>& messageIcons()
{
    using M = MessageIcon::Mark;
    static const std::map<QStyle::StandardPixmap, MessageIcon> icons{
        {QStyle::SP_MessageBoxInformation, {"dialog-information", QColor(52, 101, 164), M::Info}},
        {QStyle::SP_MessageBoxWarning, {"dialog-warning", QColor(237, 170, 0), M::Warning}},
        {QStyle::SP_MessageBoxCritical, {"dialog-error", QColor(204, 0, 0), M::Critical}},
        {QStyle::SP_MessageBoxQuestion, {"dialog-question", QColor(52, 101, 164), M::Question}},
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
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->setPen(Qt::NoPen);
        painter->setBrush(look_.colour);
        const qreal inset = side * 0.04;
        const QRectF shape = box.adjusted(inset, inset, -inset, -inset);
        if (look_.mark == MessageIcon::Mark::Warning) {
            QPainterPath triangle;
            triangle.moveTo(shape.center().x(), shape.top());
            triangle.lineTo(shape.bottomRight());
            triangle.lineTo(shape.bottomLeft());
            triangle.closeSubpath();
            painter->drawPath(triangle);
        } else {
            painter->drawEllipse(shape);
        }
        const QColor ink = look_.mark == MessageIcon::Mark::Warning ? Qt::black : Qt::white;
        if (look_.mark == MessageIcon::Mark::Critical) {
            painter->setPen(QPen(ink, side * 0.12, Qt::SolidLine, Qt::RoundCap));
            const QRectF cross = box.adjusted(side * 0.32, side * 0.32, -side * 0.32, -side * 0.32);
            painter->drawLine(cross.topLeft(), cross.bottomRight());
            painter->drawLine(cross.topRight(), cross.bottomLeft());
        } else {
            QFont font = painter->font();
            font.setBold(true);
            font.setPixelSize(std::max(1, static_cast<int>(side * 0.6)));
            painter->setFont(font);
            painter->setPen(ink);
            const QString mark = look_.mark == MessageIcon::Mark::Info       ? QStringLiteral("i")
                                 : look_.mark == MessageIcon::Mark::Question ? QStringLiteral("?")
                                                                             : QStringLiteral("!");
            const QRectF room = look_.mark == MessageIcon::Mark::Warning
                                    ? shape.adjusted(0, side * 0.2, 0, 0)
                                    : shape;
            painter->drawText(room, Qt::AlignCenter, mark);
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
