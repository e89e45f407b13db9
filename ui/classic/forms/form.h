// A form as data: its name and size, and its controls back to front, each
// with everything that sets it apart. The window classes build their form
// from its table and add behaviour; the tables are in the *form.cpp files of
// this folder.
#pragma once

#include "ui/classic/formbuilder.h"
#include "ui/common/looks.h"

#include <QColor>
#include <Qt>

#include <optional>
#include <span>

class QWidget;

namespace ui {

// A colour a control is drawn in: a system colour, read from the palette when
// the form is built, or a fixed one.
class Colour {
public:
    constexpr Colour(SystemColour system)
        : m_system(system)
    { }
    constexpr Colour(int red, int green, int blue)
        : m_rgb(qRgb(red, green, blue))
    { }

    QColor resolve() const;

private:
    std::optional<SystemColour> m_system;
    QRgb m_rgb = 0;
};

enum class ControlKind { label, button, graphicalButton, textBox, line };

struct TwipsPoint {
    int x, y;
};

struct Control {
    ControlKind kind;
    const char *name;
    Twips rect {}; // all but lines
    TwipsPoint from {}, to {}; // lines: both ends, both pixels drawn
    const char *text = ""; // UTF-8
    TextFont font { 9, false };
    // Labels: text and background, else button text on the button face.
    // Graphical buttons: the face. Lines: the line.
    std::optional<Colour> foreground {};
    std::optional<Colour> background {};
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    int lineBreakAtBlanks = 0; // see FormLabel::setLineBreakAtBlanks
    qreal blankWidth = 0; // see FormLabel::setBlankWidth
    bool boxed = false; // a one-pixel frame around a label
    std::optional<Qt::FocusPolicy> focusPolicy {}; // else the widget's own
    bool enabled = true;
    const char *accessibleDescription = ""; // UTF-8

    // For the tables: the control with one more property set.
    template <typename Field, typename Value>
    constexpr Control with(Field Control::*field, Value value) const
    {
        Control c = *this;
        c.*field = value;
        return c;
    }
    constexpr Control colours(Colour text, Colour back) const
    {
        return with(&Control::foreground, text).with(&Control::background, back);
    }
    constexpr Control centred() const
    {
        return with(&Control::alignment, Qt::AlignHCenter | Qt::AlignTop);
    }
    constexpr Control breakingAtBlanks(int blanks) const
    {
        return with(&Control::lineBreakAtBlanks, blanks);
    }
    constexpr Control withBlankWidth(qreal emWidth) const
    {
        return with(&Control::blankWidth, emWidth);
    }
    constexpr Control framed() const { return with(&Control::boxed, true); }
    constexpr Control focus(Qt::FocusPolicy policy) const
    {
        return with(&Control::focusPolicy, policy);
    }
    constexpr Control disabled() const { return with(&Control::enabled, false); }
    constexpr Control described(const char *description) const
    {
        return with(&Control::accessibleDescription, description);
    }
};

// Opaque, button text on the button face, at the top left, wrapped.
constexpr Control label(const char *name, Twips rect, const char *text, TextFont font)
{
    return { .kind = ControlKind::label, .name = name, .rect = rect, .text = text, .font = font };
}

// Text in a colour of its own on the button face, its sentences set apart by
// runs of two blanks.
constexpr Control note(const char *name, Twips rect, const char *text, TextFont font, Colour colour)
{
    return label(name, rect, text, font)
        .colours(colour, SystemColour::buttonFace)
        .breakingAtBlanks(2);
}

constexpr Control button(const char *name, Twips rect, const char *caption, TextFont font)
{
    return {
        .kind = ControlKind::button, .name = name, .rect = rect, .text = caption, .font = font
    };
}

constexpr Control graphicalButton(
    const char *name, Twips rect, const char *caption, TextFont font, Colour face)
{
    return { .kind = ControlKind::graphicalButton,
        .name = name,
        .rect = rect,
        .text = caption,
        .font = font,
        .background = face };
}

// Window text on the window background.
constexpr Control textBox(const char *name, Twips rect, const char *text, TextFont font)
{
    return { .kind = ControlKind::textBox, .name = name, .rect = rect, .text = text, .font = font };
}

constexpr Control line(const char *name, TwipsPoint from, TwipsPoint to, Colour colour)
{
    return {
        .kind = ControlKind::line, .name = name, .from = from, .to = to, .foreground = colour
    };
}

struct Form {
    const char *name;
    int widthTwips, heightTwips; // the client area
    const char *title; // UTF-8; empty for none
    std::span<const Control> controls; // back to front
    std::span<const char *const> tabOrder; // by name; the rest in creation order
};

// The form's name, fixed client size, button face background and font.
void setUpForm(QWidget *window, const Form &form);

// Makes the controls as children of the window, in table order, then sets the
// tab order.
void buildControls(QWidget *window, const Form &form);

extern const Form kMainForm; // riru
extern const Form kTitleForm; // Form4
extern const Form kTermsHelpForm; // Fkaisetu
extern const Form kOperationHelpForm; // Fsousa

} // namespace ui
