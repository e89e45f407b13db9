#include "ui/classic/formbuilder.h"

#include "ui/classic/formlabel.h"
#include "ui/classic/pushbutton.h"

#include <QLineEdit>
#include <QWidget>

namespace ui {

namespace {

// Every control of a form is named, placed in twips and set in the Gothic face.
template <typename Widget>
Widget *placed(Widget *widget, const char *name, Twips rect, TextFont font)
{
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(toPixels(rect));
    widget->setFont(gothicFont(font));
    return widget;
}

} // namespace

void setUpForm(QWidget *form, const char *name, int widthTwips, int heightTwips)
{
    form->setObjectName(QString::fromLatin1(name));
    form->setFixedSize(toPixels(widthTwips), toPixels(heightTwips));
    QPalette palette = form->palette();
    palette.setColor(QPalette::Window, systemColour(SystemColour::buttonFace));
    form->setPalette(palette);
    form->setAutoFillBackground(true);
    form->setFont(gothicFont({ 9, false }));
}

FormLabel *FormBuilder::label(const char *name, Twips rect, const QString &text, TextFont font)
{
    auto *label = placed(new FormLabel(text, m_form), name, rect, font);
    label->setColours(
        systemColour(SystemColour::buttonText), systemColour(SystemColour::buttonFace));
    return label;
}

PushButton *FormBuilder::button(const char *name, Twips rect, const QString &caption, TextFont font)
{
    return placed(new PushButton(caption, m_form), name, rect, font);
}

GraphicalButton *FormBuilder::graphicalButton(
    const char *name, Twips rect, const QString &caption, TextFont font, const QColor &face)
{
    return placed(new GraphicalButton(caption, face, m_form), name, rect, font);
}

QLineEdit *FormBuilder::textBox(const char *name, Twips rect, const QString &text, TextFont font)
{
    auto *box = placed(new QLineEdit(text, m_form), name, rect, font);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, systemColour(SystemColour::windowBackground));
    palette.setColor(QPalette::Text, systemColour(SystemColour::windowText));
    box->setPalette(palette);
    return box;
}

QWidget *FormBuilder::line(const char *name, QPoint from, QPoint to, const QColor &colour)
{
    auto *line = new QWidget(m_form);
    line->setObjectName(QString::fromLatin1(name));
    const QPoint a(toPixels(from.x()), toPixels(from.y()));
    const QPoint b(toPixels(to.x()), toPixels(to.y()));
    line->setGeometry(QRect(a, b).normalized());
    QPalette palette = line->palette();
    palette.setColor(QPalette::Window, colour);
    line->setPalette(palette);
    line->setAutoFillBackground(true);
    return line;
}

} // namespace ui
