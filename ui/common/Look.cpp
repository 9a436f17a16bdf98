// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/common/Look.h"

#include "ui/common/Keyboard.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QGuiApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHash>
#include <QIcon>
#include <QStyle>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace Look {

QFont FittingFont(const QFont &font, const QString &text, int room)
{
    QFont fitted = font;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : font.pixelSize() * 0.75;
    for (double size = points; size >= 5.0; size -= 0.5) {
        fitted.setPointSizeF(size);
        if (QFontMetrics(fitted).horizontalAdvance(text) <= room)
            return fitted;
    }
    return fitted;
}

int CellTextMargin(const QWidget *widget)
{
    const QStyle *style = widget ? widget->style() : QApplication::style();
    return style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, widget) + 1;
}

namespace {

double textPoints = kDesignPoints;

} // namespace

void SetTextPoints(double points)
{
    // Never below the design's size: its windows are laid out for it.
    textPoints = std::isfinite(points) ? std::clamp(points, kDesignPoints, 4 * kDesignPoints) : kDesignPoints;
}

bool WindowsGrowToLayout()
{
    const QStyle *style = QApplication::style();
    return TextEnlarged()
           || (style && style->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0);
}

double TextPoints()
{
    return textPoints;
}

int Scaled(int pixels)
{
    return textPoints == kDesignPoints ? pixels : int(std::lround(pixels * textPoints / kDesignPoints));
}

QSize Scaled(const QSize &size)
{
    return QSize(Scaled(size.width()), Scaled(size.height()));
}

double DesktopTextPoints()
{
    bool given = false;
    const double asked = qEnvironmentVariable("QUOVELLA_FONT_SIZE").toDouble(&given);
    if (given && asked > 0)
        return asked;
    const QFont desktop = QGuiApplication::font();
    if (desktop.pointSizeF() > 0)
        return desktop.pointSizeF();
    const QScreen *screen = QGuiApplication::primaryScreen();
    return desktop.pixelSize() > 0 && screen ? desktop.pixelSize() * 72.0 / screen->logicalDotsPerInchY()
                                             : kDesignPoints;
}

QFont UiFont(int pointSize, bool bold)
{
    QFont font(QStringLiteral("Arial"), pointSize);
    if (textPoints != kDesignPoints)
        font.setPointSizeF(pointSize * textPoints / kDesignPoints);
    font.setBold(bold);
    return font;
}

QFont HeadingFont(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    return font;
}

namespace {

QHash<QString, QIcon> &Icons()
{
    static QHash<QString, QIcon> icons;
    return icons;
}

void ForgetIcons()
{
    Icons().clear();
}

} // namespace

QIcon Icon(const QString &name)
{
    // One icon per picture, shared by every button that shows it: making an icon
    // reads and parses its SVG file, and the same few pictures appear on dozens of
    // buttons across the windows made at start-up. Let go with the application.
    QHash<QString, QIcon> &icons = Icons();
    if (icons.isEmpty())
        qAddPostRoutine(ForgetIcons);
    auto found = icons.constFind(name);
    if (found == icons.constEnd())
        found = icons.insert(name, QIcon(QStringLiteral(":/icons/") + name + QStringLiteral(".svg")));
    return *found;
}

namespace {

double Luminance(const QColor &colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor TextFor(const QColor &background)
{
    const QColor black(Qt::black), white(Qt::white);
    return Contrast(black, background) >= Contrast(white, background) ? black : white;
}

void Paint(QWidget *widget, const QColor &background, const QColor &text)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, background);
    // A window's own controls (arrows, scroll bars) keep the theme's colours on
    // their own faces; its captions are given their colour where they are made.
    if (text.isValid() || !widget->isWindow())
        palette.setColor(QPalette::WindowText, text.isValid() ? text : TextFor(background));
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

void MarkAsResult(QLineEdit *edit, bool result)
{
    QPalette palette = edit->palette();
    // A disabled edit keeps the style's greyed look, so it is seen to be disabled.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::Base, result ? ResultColour() : InputColour());
        palette.setColor(group, QPalette::Text, Qt::black);
    }
    edit->setPalette(palette);
    edit->setReadOnly(result);
}

QLabel *Label(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QLabel *CaptionLabel(const QString &name, const QString &text, QWidget *parent)
{
    QLabel *label = Label(name, text, parent);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QFrame *ExplanationPanel(QLabel *&label, const QString &labelName, const QString &text, QWidget *parent)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Paint(panel, ButtonFace());
    label = Label(labelName, text, panel);
    label->setWordWrap(true);
    label->setFont(UiFont(8, true));
    QPalette green = label->palette();
    green.setColor(QPalette::WindowText, Green());
    label->setPalette(green);
    auto *layout = new QVBoxLayout(panel);
    layout->setContentsMargins(6, 3, 6, 3);
    layout->addWidget(label);
    return panel;
}

namespace {

// Navy wherever it reads as large text does (3 : 1), as on the program's own
// backgrounds and a light desktop's; on a dark desktop's it is lightened until it
// reads as well as any text.
class NavyHeading : public QLabel {
public:
    NavyHeading(const QString &text, QWidget *parent) : QLabel(text, parent) { Recolour(); }

protected:
    void changeEvent(QEvent *event) override
    {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange && !recolouring_)
            Recolour();
    }

private:
    void Recolour()
    {
        const QColor ground = palette().color(QPalette::Window);
        QColor colour = Navy();
        if (Contrast(colour, ground) < 3.0) {
            for (int step = 1; step <= 20 && Contrast(colour, ground) < 4.5; ++step) {
                const double t = step / 20.0;
                colour = QColor::fromRgbF(float(Navy().redF() * (1 - t) + t), float(Navy().greenF() * (1 - t) + t),
                                          float(Navy().blueF() * (1 - t) + t));
            }
        }
        QPalette own = palette();
        own.setColor(QPalette::WindowText, colour);
        recolouring_ = true;
        setPalette(own);
        recolouring_ = false;
    }

    bool recolouring_ = false;
};

} // namespace

QLabel *Heading(const QString &name, const QString &text, int pixelSize, QWidget *parent)
{
    QLabel *label = new NavyHeading(text, parent);
    label->setObjectName(name);
    label->setFont(HeadingFont(Scaled(pixelSize)));
    return label;
}

namespace {

// Stops the user typing or pasting past `limit` characters. Unlike QLineEdit's own
// maximum length it never cuts a text the program sets: a copied or loaded figure
// arrives whole, and the checks of the tab then judge it. A change is refused only
// when the user made it and it lengthens a text that is already at the limit.
class TypingLimit : public QValidator {
public:
    TypingLimit(QLineEdit *edit, int limit)
        : QValidator(edit), edit_(edit), limit_(limit), shown_(edit->text().size())
    {
        setObjectName(QStringLiteral("TypingLimit"));
        connect(edit, &QLineEdit::textChanged, this, [this](const QString &text) { shown_ = text.size(); });
    }

    State validate(QString &input, int &) const override
    {
        // A text set by the program is not a modification; typing and pasting are.
        const bool typedPast = edit_->isModified() && input.size() > limit_ && input.size() > shown_;
        return typedPast ? Invalid : Acceptable;
    }

    int Limit() const { return limit_; }

private:
    QLineEdit *edit_;
    int limit_;
    qsizetype shown_;
};

} // namespace

QLineEdit *Edit(const QString &name, int maxLength, QWidget *parent)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(name);
    if (maxLength > 0)
        edit->setValidator(new TypingLimit(edit, maxLength));
    MarkAsResult(edit, false);
    return edit;
}

int TypingLimitOf(const QLineEdit *edit)
{
    const auto *limit = edit ? dynamic_cast<const TypingLimit *>(edit->validator()) : nullptr;
    return limit ? limit->Limit() : 0;
}

QPushButton *Button(const QString &name, const QString &text, QWidget *parent, const QString &icon)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    if (!icon.isEmpty())
        button->setIcon(Icon(icon));
    button->setAutoDefault(false);
    return button;
}

QPushButton *PictureButton(const QString &name, const QString &icon, const QString &hint,
                           QWidget *parent)
{
    QPushButton *button = Button(name, QString(), parent, icon);
    button->setToolTip(hint);
    button->setAccessibleName(hint);
    button->setIconSize(QSize(18, 18));
    button->setFixedSize(28, 26);
    return button;
}

} // namespace Look

namespace {

// A result panel as a screen reader sees it: a read-only text named by its caption,
// whose text and value are the figure. As a label, its name would be all that is
// read, and the name is the caption, so the figure would never be heard.
class ResultPanelAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ResultPanelAccessible(ResultPanel *panel) : QAccessibleWidget(panel, QAccessible::EditableText) {}

    QString text(QAccessible::Text kind) const override
    {
        switch (kind) {
        case QAccessible::Name: return Panel()->Caption();
        case QAccessible::Value: return Figure();
        default: return QAccessibleWidget::text(kind);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.editable = false;
        state.selectableText = true;
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface *>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text interface: the figure, and the part of it the user selected.
    void selection(int selectionIndex, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = 0;
        if (selectionIndex == 0 && Panel()->hasSelectedText()) {
            *startOffset = Panel()->selectionStart();
            *endOffset = *startOffset + int(Panel()->selectedText().size());
        }
    }
    int selectionCount() const override { return Panel()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
    void removeSelection(int selectionIndex) override
    {
        if (selectionIndex == 0)
            Panel()->setSelection(0, 0);
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override
    {
        if (selectionIndex == 0)
            Panel()->setSelection(startOffset, endOffset - startOffset);
    }
    int cursorPosition() const override
    {
        int start = 0, end = 0;
        selection(0, &start, &end);
        return end;
    }
    void setCursorPosition(int position) override { Panel()->setSelection(position, 0); }
    QString text(int startOffset, int endOffset) const override
    {
        if (endOffset < 0)
            endOffset = characterCount();
        return Figure().mid(startOffset, std::max(0, endOffset - startOffset));
    }
    int characterCount() const override { return int(Figure().size()); }
    QRect characterRect(int) const override { return QRect(); }
    int offsetAtPoint(const QPoint &) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int *startOffset, int *endOffset) const override
    {
        *startOffset = *endOffset = offset;
        return QString();
    }

private:
    ResultPanel *Panel() const { return static_cast<ResultPanel *>(widget()); }
    QString Figure() const { return Panel()->text(); }
};

QAccessibleInterface *ResultPanelInterface(const QString &className, QObject *object)
{
    if (className == QLatin1String("ResultPanel"))
        if (auto *panel = qobject_cast<ResultPanel *>(object))
            return new ResultPanelAccessible(panel);
    return nullptr;
}

} // namespace

ResultPanel::ResultPanel(const QString &name, QWidget *parent, const QColor &background,
                         const QColor &text, bool bold)
    : QLabel(parent)
{
    static const bool readable = [] {
        QAccessible::installFactory(ResultPanelInterface);
        return true;
    }();
    Q_UNUSED(readable);
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
    setMinimumHeight(Look::Scaled(22));
    setIndent(4);
    // Read-only, but reached with Tab and selected and copied with the keyboard.
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    setFocusPolicy(Qt::StrongFocus);
    Look::Paint(this, background, text);
    QFont f = font();
    f.setBold(bold);
    setFont(f);
}

QString ResultPanel::Caption() const
{
    if (!accessibleName().isEmpty())
        return accessibleName();
    for (const QLabel *label : window()->findChildren<QLabel *>())
        if (label->buddy() == this)
            return Keyboard::Plain(label->text()).trimmed();
    if (const auto *group = qobject_cast<const QGroupBox *>(parentWidget()))
        return Keyboard::Plain(group->title()).trimmed();
    return QString();
}

ClickableLabel::ClickableLabel(const QString &name, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    emit clicked();
}

HeadingPanel::HeadingPanel(const QString &name, const QString &text, int width, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setAlignment(Qt::AlignCenter);
    setWordWrap(true);
    setFixedWidth(Look::Scaled(width));
    Look::Paint(this, Look::ButtonFace(), Qt::black);
}
