// Puts the controls of a form where its layout, given in twips, says.
#pragma once

#include "ui/common/looks.h"
#include "ui/pictures/reelgeometry.h"

#include <QPoint>
#include <QRect>
#include <QString>

class QLineEdit;
class QWidget;

namespace ui {

class FormLabel;
class PushButton;
class GraphicalButton;

// A form's client area of the given size, fixed, on the button face colour.
void setUpForm(QWidget *form, const char *name, int widthTwips, int heightTwips);

// Creates the controls as children of the form, in front of those created
// before; every text in the Gothic face.
class FormBuilder {
public:
    explicit FormBuilder(QWidget *form)
        : m_form(form)
    { }

    // Opaque, button face background, button text colour, left-aligned.
    FormLabel *label(const char *name, Twips rect, const QString &text, TextFont font);

    PushButton *button(const char *name, Twips rect, const QString &caption, TextFont font);
    GraphicalButton *graphicalButton(
        const char *name, Twips rect, const QString &caption, TextFont font, const QColor &face);

    QLineEdit *textBox(const char *name, Twips rect, const QString &text, TextFont font);

    // A one-pixel line from one point to the other, both pixels included.
    QWidget *line(const char *name, QPoint from, QPoint to, const QColor &colour);

private:
    QWidget *m_form;
};

} // namespace ui
