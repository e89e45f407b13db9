#include "ui/classic/forms/form.h"

#include "ui/classic/formlabel.h"
#include "ui/classic/pushbutton.h"

#include <QLineEdit>
#include <QWidget>

namespace ui {

QColor Colour::resolve() const { return m_system ? systemColour(*m_system) : QColor(m_rgb); }

void setUpForm(QWidget *window, const Form &form)
{
    setUpForm(window, form.name, form.widthTwips, form.heightTwips);
}

namespace {

QWidget *build(FormBuilder &builder, const Control &c)
{
    const QString text = QString::fromUtf8(c.text);
    switch (c.kind) {
    case ControlKind::label: {
        FormLabel *label = builder.label(c.name, c.rect, text, c.font);
        if (c.foreground || c.background) {
            label->setColours(c.foreground.value_or(SystemColour::buttonText).resolve(),
                c.background.value_or(SystemColour::buttonFace).resolve());
        }
        label->setAlignment(c.alignment);
        label->setLineBreakAtBlanks(c.lineBreakAtBlanks);
        label->setBlankWidth(c.blankWidth);
        if (c.boxed) {
            label->setFrameStyle(QFrame::Box | QFrame::Plain);
            label->setLineWidth(1);
        }
        return label;
    }
    case ControlKind::button: return builder.button(c.name, c.rect, text, c.font);
    case ControlKind::graphicalButton:
        return builder.graphicalButton(c.name, c.rect, text, c.font, c.background->resolve());
    case ControlKind::textBox: return builder.textBox(c.name, c.rect, text, c.font);
    case ControlKind::line:
        return builder.line(
            c.name, { c.from.x, c.from.y }, { c.to.x, c.to.y }, c.foreground->resolve());
    }
    return nullptr;
}

} // namespace

void buildControls(QWidget *window, const Form &form)
{
    FormBuilder builder(window);
    for (const Control &c : form.controls) {
        QWidget *widget = build(builder, c);
        if (c.focusPolicy)
            widget->setFocusPolicy(*c.focusPolicy);
        if (!c.enabled)
            widget->setEnabled(false);
        if (*c.accessibleDescription)
            widget->setAccessibleDescription(QString::fromUtf8(c.accessibleDescription));
    }
    QWidget *previous = nullptr;
    for (const char *name : form.tabOrder) {
        auto *next = window->findChild<QWidget *>(QString::fromLatin1(name));
        if (previous)
            QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

} // namespace ui
