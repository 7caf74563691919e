// HyperlinkLabel: a label that looks and acts like a web link.
#include "hyperlinklabel.h"

#include "platform/product.h"
#include "platform/shell.h"

#include <QApplication>
#include <QMessageBox>
#include <QMouseEvent>
#include <map>

HyperlinkLabel::HyperlinkLabel(const QString& text, const QString& target, Shell& shell,
                               QWidget* parent)
    : QLabel(text.isEmpty() ? target : text, parent)
    , shell_(shell)
    , target_(target.isEmpty() ? text : target)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
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

void HyperlinkLabel::restyle()
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, hovering_ ? hover_ : (wasVisited_ ? visited_ : link_));
    setPalette(colours);
    QFont look = font();
    look.setUnderline(underlineMode_ == UnderlineAlways ||
                      (underlineMode_ == UnderlineHover && hovering_));
    setFont(look);
    update();
}

// Shrinks the label around its text, keeping the side its alignment holds to.
void HyperlinkLabel::fit()
{
    if (!fitToText_)
        return;
    QFont underlined = font();
    underlined.setUnderline(true);
    const QSize text = QFontMetrics(underlined).size(Qt::TextSingleLine, this->text()) +
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
    hovering_ = false;
    hoverTimer_.stop();
    const int code = shell_.open(target_);
    wasVisited_ = code > 32;
    restyle();
    if (!wasVisited_) {
        QApplication::beep();
        QMessageBox::warning(this, ProductName,
                             tr("Unable to open hyperlink:\n\n") + openFailureText(code));
    }
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
