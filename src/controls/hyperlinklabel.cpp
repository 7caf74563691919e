// HyperlinkLabel: a label that looks and acts like a web link.
#include "hyperlinklabel.h"

#include "linkaccessible.h"
#include "platform/product.h"
#include "platform/shell.h"

#include <QAccessible>
#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <algorithm>
#include <cmath>
#include <map>

namespace {
double luminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
           0.0722 * linear(colour.blueF());
}

// The wanted colour if it can be read on the background; else the fallback if that can;
// else whichever of the two is valid, moved away from the background's lightness until it
// can be read.
QColor readable(const QColor& wanted, const QColor& fallback, const QColor& background)
{
    if (HyperlinkLabel::contrast(wanted, background) >= HyperlinkLabel::ReadableContrast)
        return wanted;
    if (fallback.isValid() &&
        HyperlinkLabel::contrast(fallback, background) >= HyperlinkLabel::ReadableContrast)
        return fallback;
    QColor moved = (fallback.isValid() ? fallback : wanted).toHsl();
    const double step = luminance(background) < 0.18 ? 0.02 : -0.02;
    for (double lightness = moved.lightnessF();
         HyperlinkLabel::contrast(moved, background) < HyperlinkLabel::ReadableContrast &&
         lightness > 0 && lightness < 1;) {
        lightness = std::clamp(lightness + step, 0.0, 1.0);
        moved.setHslF(moved.hslHueF(), moved.hslSaturationF(), static_cast<float>(lightness));
    }
    return moved.toRgb();
}

} // namespace

HyperlinkLabel::HyperlinkLabel(const QString& text, const QString& target, Shell& shell,
                               QWidget* parent)
    : QLabel(text.isEmpty() ? target : text, parent)
    , shell_(shell)
    , target_(target.isEmpty() ? text : target)
{
    // Taken before a label's own: Qt's, that of any label, would make it plain text.
    QAccessible::registerAccessibleInterface(linkAccessible(this));
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setContentsMargins(2, 1, 2, 1); // room for the focus frame around the text
    setToolTip(target_);
    hoverTimer_.setInterval(HoverTick);
    connect(&hoverTimer_, &QTimer::timeout, this, [this] {
        if (!rect().contains(mapFromGlobal(QCursor::pos())))
            endHover();
    });
    restyle();
    fit();
}

void HyperlinkLabel::setTarget(const QString& target)
{
    target_ = target;
    setToolTip(target_);
    fit();
}

void HyperlinkLabel::setLinkColors(const QColor& link, const QColor& visited, const QColor& hover)
{
    link_ = link;
    visited_ = visited;
    hover_ = hover.isValid() ? hover : palette().color(QPalette::Highlight);
    restyle();
}

void HyperlinkLabel::markVisited(bool visited)
{
    wasVisited_ = visited;
    restyle();
}

void HyperlinkLabel::setUnderlineMode(UnderlineMode mode)
{
    underlineMode_ = mode;
    restyle();
}

void HyperlinkLabel::setFitToText(bool fit)
{
    fitToText_ = fit;
    this->fit();
}

double HyperlinkLabel::contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor HyperlinkLabel::shownColor() const
{
    // The window behind the label, whose palette the label's own colours do not change.
    const QPalette& behind = parentWidget() != nullptr ? parentWidget()->palette() : palette();
    const QColor background = behind.color(QPalette::Window);
    if (hovering_)
        return readable(hover_, QColor(), background);
    return wasVisited_ ? readable(visited_, behind.color(QPalette::LinkVisited), background)
                       : readable(link_, behind.color(QPalette::Link), background);
}

void HyperlinkLabel::restyle()
{
    restyling_ = true;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, shownColor());
    setPalette(colours);
    QFont look = font();
    look.setUnderline(underlineMode_ == UnderlineAlways ||
                      (underlineMode_ == UnderlineHover && hovering_));
    setFont(look);
    restyling_ = false;
    update();
}

void HyperlinkLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange && !restyling_)
        restyle(); // a new window palette may need other colours
}

void HyperlinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.backgroundColor = palette().color(QPalette::Window);
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
}

// Shrinks the label around its text, keeping the side its alignment holds to.
void HyperlinkLabel::fit()
{
    if (!fitToText_)
        return;
    QFont underlined = font();
    underlined.setUnderline(true);
    const QMargins margins = contentsMargins();
    const QSize text = QFontMetrics(underlined).size(Qt::TextSingleLine, this->text()) +
                       QSize(margins.left() + margins.right(), margins.top() + margins.bottom()) +
                       QSize(2, 2) * frameWidth();
    QRect area = geometry();
    if (alignment() & Qt::AlignVCenter)
        area.adjust(0, (area.height() - text.height()) / 2, 0,
                    -(area.height() - text.height()) / 2);
    else
        area.setHeight(text.height());
    if (alignment() & Qt::AlignHCenter)
        area.adjust((area.width() - text.width()) / 2, 0, -(area.width() - text.width()) / 2, 0);
    else if (alignment() & Qt::AlignRight)
        area.setLeft(area.right() + 1 - text.width());
    else
        area.setWidth(text.width());
    setGeometry(area);
}

void HyperlinkLabel::mouseMoveEvent(QMouseEvent* event)
{
    if (!hovering_) {
        hovering_ = true;
        restyle();
        hoverTimer_.start();
    }
    QLabel::mouseMoveEvent(event);
}

void HyperlinkLabel::leaveEvent(QEvent* event)
{
    endHover();
    QLabel::leaveEvent(event);
}

void HyperlinkLabel::endHover()
{
    if (!hovering_)
        return;
    hovering_ = false;
    hoverTimer_.stop();
    restyle();
}

void HyperlinkLabel::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QLabel::mousePressEvent(event);
    open();
}

void HyperlinkLabel::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        open();
        break;
    default:
        QLabel::keyPressEvent(event);
    }
}

void HyperlinkLabel::open()
{
    hovering_ = false;
    hoverTimer_.stop();
    const QPointer<HyperlinkLabel> label(this);
    const int code = shell_.open(target_, [label](int late) {
        if (label)
            label->reportFailure(late);
    });
    if (code <= 32) {
        reportFailure(code);
        return;
    }
    wasVisited_ = true;
    restyle();
}

void HyperlinkLabel::reportFailure(int code)
{
    wasVisited_ = false;
    restyle();
    QApplication::beep();
    QMessageBox::warning(this, ProductName,
                         tr("Unable to open hyperlink:\n\n") + openFailureText(code));
}

QString HyperlinkLabel::openFailureText(int code)
{
    static const std::map<int, const char*> explanations{
        {0, QT_TRANSLATE_NOOP("HyperlinkLabel",
                              "The operating system is out\nof memory or resources.")},
        {2, QT_TRANSLATE_NOOP("HyperlinkLabel", "The specified file was not found.")},
        {3, QT_TRANSLATE_NOOP("HyperlinkLabel", "The specified path was not found.")},
        {5, QT_TRANSLATE_NOOP("HyperlinkLabel",
                              "The operating system denied\naccess to the specified file.")},
        {8, QT_TRANSLATE_NOOP("HyperlinkLabel",
                              "There was not enough memory to complete the operation.")},
        {11,
         QT_TRANSLATE_NOOP("HyperlinkLabel",
                           "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).")},
        {26, QT_TRANSLATE_NOOP("HyperlinkLabel", "A sharing violation occurred. ")},
        {27, QT_TRANSLATE_NOOP("HyperlinkLabel",
                               "The filename association is\nincomplete or invalid.")},
        {28, QT_TRANSLATE_NOOP(
                 "HyperlinkLabel",
                 "The DDE transaction could not\nbe completed because the request timed out.")},
        {29, QT_TRANSLATE_NOOP("HyperlinkLabel", "The DDE transaction failed.")},
        {30, QT_TRANSLATE_NOOP(
                 "HyperlinkLabel",
                 "The DDE transaction could not\nbe completed because other DDE transactions\nwere "
                 "being processed.")},
        {31, QT_TRANSLATE_NOOP(
                 "HyperlinkLabel",
                 "There is no application associated\nwith the given filename extension.")},
        {32,
         QT_TRANSLATE_NOOP("HyperlinkLabel", "The specified dynamic-link library was not found.")},
    };
    const auto found = explanations.find(code);
    return found != explanations.end() ? tr(found->second)
                                       : tr("Unknown Error (%1) occurred.").arg(code);
}
