// A label as the forms use it: opaque, text at the top left (or centred),
// wrapped within its rectangle and cut off at its edges. Its accessible name
// is its text, and QLabel announces each new text; an accessible name of its
// own would silence that, so it is given none.
#pragma once

#include <QLabel>

namespace ui {

class FormLabel : public QLabel {
    Q_OBJECT
public:
    FormLabel(const QString &text, QWidget *parent);

    void setColours(const QColor &text, const QColor &background);

    // Some texts push their next sentence onto a new line with a run of
    // blanks just long enough to fill the rest of the line; in our faces the
    // run's width is not that of the rest of the line. A run of at least
    // `blanks` blanks inside the text starts a new line instead, and a line
    // that was meant to fit but comes out slightly too wide is set a little
    // closer. 0 leaves the text to plain wrapping.
    void setLineBreakAtBlanks(int blanks);

    // The settings table places its words in their columns with runs of
    // half-width blanks, each `emWidth` of the font's size wide, wider than
    // the blank of our faces. 0 keeps the face's own blank. Such a label
    // shows one line.
    void setBlankWidth(qreal emWidth);

    // The text as it is laid out: CR LF and the breaking runs of blanks
    // become line breaks. text() keeps the text exactly as given.
    QString displayedText() const;

    // The font the text is drawn in: the label's font, condensed by a few
    // per cent at most where a line broken at blanks would not fit.
    QFont layoutFont() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawWithWideBlanks(QPainter &painter) const;

    int m_breakingBlanks = 0;
    qreal m_blankWidth = 0;
};

} // namespace ui
