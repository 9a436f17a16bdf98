// SPDX-License-Identifier: GPL-3.0-or-later
// Colours, fonts and small widgets every window of Quovella shares.
#pragma once

#include <QColor>
#include <QFont>
#include <QFrame>
#include <QLabel>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLineEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace Look {

// Result panels and fields being solved (the colour value 16766275).
inline QColor ResultColour() { return QColor(67, 213, 255); }
inline QColor InputColour() { return QColor(255, 255, 255); }
inline QColor Teal() { return QColor(0, 128, 128); }
inline QColor Navy() { return QColor(0, 0, 128); }
inline QColor Maroon() { return QColor(128, 0, 0); }
inline QColor Purple() { return QColor(128, 0, 128); }
inline QColor Green() { return QColor(0, 128, 0); }
inline QColor Silver() { return QColor(192, 192, 192); }
inline QColor Aqua() { return QColor(0, 255, 255); }
inline QColor ButtonFace() { return QColor(212, 208, 200); }

// The program's text size in points: the design's 9, or the desktop's when that is
// larger. Set once, before any window is made; every font UiFont gives and every
// pixel size passed through Scaled grow in the same proportion.
constexpr double kDesignPoints = 9.0;
void SetTextPoints(double points);
double TextPoints();
// The text is larger than the design's. The design's own layouts need a few pixels
// more than its windows give them, which it squeezes; only a larger text makes
// a window grow to its layout.
inline bool TextEnlarged() { return TextPoints() > kDesignPoints; }
// Windows grow to what their layouts need: with a larger text, or under a desktop
// style other than the one the design's sizes were made in (Fusion), whose controls
// may be taller or wider and would otherwise be squeezed.
bool WindowsGrowToLayout();
// A length in pixels made for the design's text size, grown with the text.
int Scaled(int pixels);
QSize Scaled(const QSize &size);
// The text size the desktop asks for: QUOVELLA_FONT_SIZE (points) when set, else the
// application font the platform theme gave (read it before the program sets its own).
double DesktopTextPoints();

// "Arial" on the desktops it was chosen for; fontconfig maps it to a
// metric-compatible face elsewhere. `pointSize` is at the design's text size.
QFont UiFont(int pointSize = 9, bool bold = false);
// At exactly `pixelSize`, whatever the text size (the header band's picture title).
QFont HeadingFont(int pixelSize, bool bold = true);

// The font, made smaller when needed, in which `text` fits `room` pixels, so a long
// figure is shown whole rather than cut. Never below 5 points.
QFont FittingFont(const QFont &font, const QString &text, int room);
// The inner margin a table cell leaves on each side of its text.
int CellTextMargin(const QWidget *widget);

// An icon of the program's own, from resources/icons.
QIcon Icon(const QString &name);

// The contrast of two colours, 1 to 21, by their relative luminance.
double Contrast(const QColor &a, const QColor &b);
// Black or white, whichever reads better on `background`.
QColor TextFor(const QColor &background);

// Paints a widget's background in a colour (window backgrounds, panels), and a
// panel's text, and that of the labels on it, in `text` or else in
// TextFor(background): a dark theme's light text would not read on the program's
// own colours. A window's text changes only when `text` is given.
void Paint(QWidget *widget, const QColor &background, const QColor &text = QColor());
// Colours an edit as an input (white, editable) or a result (light blue, read-only).
void MarkAsResult(QLineEdit *edit, bool result);

QLabel *Label(const QString &name, const QString &text, QWidget *parent);
// A caption on a window's teal background: white text.
QLabel *CaptionLabel(const QString &name, const QString &text, QWidget *parent);
// A fixed explanation: green bold words in a sunken panel.
QFrame *ExplanationPanel(QLabel *&label, const QString &labelName, const QString &text, QWidget *parent);
// A navy heading; on a dark desktop background it turns light enough to read.
QLabel *Heading(const QString &name, const QString &text, int pixelSize, QWidget *parent);
// An edit box; `maxLength` (0: none) limits what the user types, not what the
// program puts in it.
QLineEdit *Edit(const QString &name, int maxLength, QWidget *parent);
// The typing limit Edit gave the box; 0 when it has none.
int TypingLimitOf(const QLineEdit *edit);
QPushButton *Button(const QString &name, const QString &text, QWidget *parent,
                    const QString &icon = QString());
// A small square button with a picture and no caption (help, graph, print).
QPushButton *PictureButton(const QString &name, const QString &icon, const QString &hint,
                           QWidget *parent);

} // namespace Look

// A sunken panel showing a result: read-only text on the result colour. A screen
// reader hears its caption as its name and the figure as its value and text; Qt
// tells it of each new figure, as of any text's.
class ResultPanel : public QLabel {
    Q_OBJECT
public:
    ResultPanel(const QString &name, QWidget *parent, const QColor &background = Look::ResultColour(),
                const QColor &text = QColor(Qt::black), bool bold = false);

    // What the figure is called: its accessible name when it has one, else the
    // caption it is the buddy of, else its group's title. Read when asked, so it
    // follows a caption that changes.
    QString Caption() const;
};

// A label that reports a click, for descriptions that select the option beside them.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    ClickableLabel(const QString &name, const QString &text, QWidget *parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// Raised caption panels standing above a grid as its column headings.
class HeadingPanel : public QLabel {
    Q_OBJECT
public:
    HeadingPanel(const QString &name, const QString &text, int width, QWidget *parent);
};
