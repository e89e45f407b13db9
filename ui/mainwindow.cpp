#include "ui/mainwindow.h"

#include "ui/formbuilder.h"
#include "ui/formlabel.h"
#include "ui/operationhelp.h"
#include "ui/pushbutton.h"
#include "ui/runtimeerror.h"
#include "ui/termshelp.h"
#include "ui/windowicon.h"
#include "ui/windowplacement.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

using reel::Button;

namespace ui {

namespace {

constexpr TextFont kPlayFont { 14.25, true };
constexpr TextFont kArrowFont { 18, false };
constexpr TextFont kTableFont { 9, true };
// The blank of the face the table was laid out in: 5 pixels at 12.
constexpr qreal kTableBlank = 0.4;

// Where the strip pictures stand when the window opens: position 0.
constexpr float kTopAtPositionZero = -20280.0f;
constexpr std::array<int, 3> kPictureLefts { 1560, 3240, 4920 };
// The reel windows: the part of each strip that the frame buttons leave open.
constexpr std::array<int, 3> kOpeningLefts { 1575, 3255, 4935 };
constexpr int kOpeningTop = 615;
constexpr int kOpeningWidth = 1425;
constexpr int kOpeningHeight = 4065;

std::size_t indexOf(Button button) { return static_cast<std::size_t>(button); }

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

MainWindow::MainWindow(const StripPictures &pictures)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setUpForm(this, "riru", 10155, 6375);
    setWindowIcon(logoIcon());
    // The title is empty. Qt would put the program's name in an empty title
    // bar, so the native window gets a lone blank.
    create();
    windowHandle()->setTitle(QStringLiteral(" "));

    // Made back to front: each part makes its lines after the pictures and
    // labels they cross; the buttons and text boxes come last, in front.
    buildReelArea(pictures);
    buildLamps();
    buildMessages();
    buildSettingsTable();
    buildFrameButtons();
    buildPlayButtons();
    buildSpeedSettings();

    m_controller
        = std::make_unique<reel::MainController>(*this, m_timer1, m_timer2, m_timer3, m_timer4);
    connectButtons();
    button(Button::cmstart)->setFocus();
}

MainWindow::~MainWindow()
{
    m_controller.reset();
    discardHelpWindows();
}

void MainWindow::showCentred()
{
    placeInScreenCentre(this);
    show();
}

// The strips, and the two framing lines across the reel windows. Each strip
// lies in a child the size of its reel window, which cuts it where the frame
// buttons, made later, stand: a step then repaints that reel window alone, not
// the picture's whole column of the window with every button over it.
void MainWindow::buildReelArea(const StripPictures &pictures)
{
    const char *openingNames[3] = { "ReelWindow1", "ReelWindow2", "ReelWindow3" };
    const char *names[3] = { "Image1", "Image2", "Image3" };
    for (int reel = 0; reel < 3; ++reel) {
        const auto r = std::size_t(reel);
        // Transparent: where a picture does not reach, the window shows.
        auto *opening = new QWidget(this);
        opening->setObjectName(QString::fromLatin1(openingNames[reel]));
        opening->setGeometry(
            toPixels(Twips { kOpeningLefts[r], kOpeningTop, kOpeningWidth, kOpeningHeight }));
        auto *image = new QLabel(opening);
        image->setObjectName(QString::fromLatin1(names[reel]));
        image->setPixmap(QPixmap::fromImage(pictures.images[r]));
        // The logical size: a high-density picture is shown at the same size.
        image->resize(pictures.images[r].deviceIndependentSize().toSize());
        image->move(toPixels(kPictureLefts[r]) - opening->x(), 0);
        m_images[r] = image;
        setPictureTop(reel, kTopAtPositionZero);
    }
    FormBuilder form(this);
    const QColor framing = systemColour(SystemColour::ToolTipText);
    form.line("Line2", { 1320, 1200 }, { 6600, 1200 }, framing);
    form.line("Line1", { 1320, 4080 }, { 6600, 4080 }, framing);
}

// The pay-line lamps left of the reels; they never change.
void MainWindow::buildLamps()
{
    FormBuilder form(this);
    const char *names[5] = { "Label2_0", "Label2_1", "Label2_2", "Label2_3", "Label2_4" };
    const int tops[5] = { 720, 1560, 2400, 3240, 4080 };
    const QString captions[5] = { QStringLiteral("３MEDAL"), QStringLiteral("２MEDAL"),
        QStringLiteral("１MEDAL"), QStringLiteral("２MEDAL"), QStringLiteral("３MEDAL") };
    for (int i = 0; i < 5; ++i) {
        auto *lamp
            = form.label(names[i], { 120, tops[i], 1095, 375 }, captions[i], { 11.25, true });
        lamp->setColours(QColor(192, 192, 0), systemColour(SystemColour::MenuText));
        lamp->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    }
}

void MainWindow::buildMessages()
{
    FormBuilder form(this);
    m_lbtamaya = form.label(
        "lbtamaya", { 6840, 1920, 3135, 375 }, QStringLiteral("た～ま～や～～！！"), { 18, true });
    m_lbtamaya->setColours(QColor(255, 255, 0), systemColour(SystemColour::ButtonFace));
    form.label("Label5", { 6960, 2520, 1215, 255 }, QStringLiteral("解説"), { 12, true });
    m_lbyakumei = form.label(
        "lbyakumei", { 6840, 2940, 3135, 915 }, QStringLiteral("ＢＩＧじゃ～！！"), kPlayFont);
    m_lbyakumei->setColours(
        systemColour(SystemColour::ButtonText), systemColour(SystemColour::ToolTipBackground));

    auto *speedCaption = form.label("Label1", { 6840, 4080, 2175, 255 },
        QStringLiteral("リール１コマのスピード"), { 9.75, true });
    speedCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    auto *autoCaption = form.label("Label4", { 6840, 4560, 2295, 255 },
        QStringLiteral("Ａutoの停止までの時間"), { 9.75, true });
    autoCaption->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
}

// The odds of the six settings. The blanks in the texts place the words in
// the columns; the grid is drawn over the labels.
void MainWindow::buildSettingsTable()
{
    FormBuilder form(this);
    auto *header = form.label("Label3", { 6840, 120, 3255, 255 },
        QStringLiteral(" 設定       BIG            REG "), kTableFont);
    header->setBlankWidth(kTableBlank);
    const QString rows[6] = {
        QStringLiteral("   1     1/431.158     1/655.360"),
        QStringLiteral("   2     1/399.610     1/655.360"),
        QStringLiteral("   3     1/364.089     1/606.815"),
        QStringLiteral("   4     1/321.255     1/606.815"),
        QStringLiteral("   5     1/292.571     1/512.000"),
        QStringLiteral("   6     1/240.941     1/481.882"),
    };
    const char *names[6]
        = { "Label7_0", "Label7_1", "Label7_2", "Label7_3", "Label7_4", "Label7_5" };
    for (int i = 0; i < 6; ++i) {
        auto *row = form.label(
            names[i], { 6840, 360 + 240 * i, i == 0 ? 3495 : 3375, 255 }, rows[i], kTableFont);
        row->setBlankWidth(kTableBlank);
    }

    const QColor grid = systemColour(SystemColour::WindowText);
    form.line("Line7", { 6840, 0 }, { 6840, 1800 }, grid);
    form.line("Line9", { 7320, 0 }, { 7320, 1800 }, grid);
    form.line("Line10", { 8640, 0 }, { 8640, 1800 }, grid);
    form.line("Line8", { 9960, 0 }, { 9960, 1800 }, grid);
    form.line("Line18", { 6840, 0 }, { 9960, 0 }, grid);
    const char *rowLines[7]
        = { "Line11", "Line12", "Line13", "Line14", "Line15", "Line16", "Line17" };
    for (int i = 0; i < 7; ++i)
        form.line(rowLines[i], { 6840, 360 + 240 * i }, { 9960, 360 + 240 * i }, grid);
}

// The buttons that frame the reel windows. Only the title bar is enabled, and
// pressing it does nothing.
void MainWindow::buildFrameButtons()
{
    FormBuilder form(this);
    auto *title = form.button("Command4", { 1320, 0, 5295, 615 },
        QStringLiteral("雷光丸職人への道  (順押し版）"), { 15.75, true });
    title->setFocusPolicy(Qt::ClickFocus);
    const char *bars[4] = { "Command5", "Command6", "Command7", "Command8" };
    const int barLefts[4] = { 1320, 3000, 4680, 6360 };
    QWidget *frame[5];
    for (int i = 0; i < 4; ++i)
        frame[i] = form.button(bars[i], { barLefts[i], 600, 255, 4095 }, QString(), kPlayFont);
    // The panel behind the stop, ▲ and ▼ buttons.
    frame[4] = form.button("Command3", { 1320, 4680, 5295, 1695 }, QString(), kPlayFont);
    for (QWidget *part : frame) {
        part->setEnabled(false);
        part->setFocusPolicy(Qt::ClickFocus);
    }
}

void MainWindow::buildPlayButtons()
{
    FormBuilder form(this);
    auto put = [this](Button which, PushButton *button) { m_buttons[indexOf(which)] = button; };

    put(Button::cmstart,
        form.graphicalButton("cmstart", { 120, 4800, 1095, 495 }, QStringLiteral("start"),
            kPlayFont, QColor(255, 128, 255)));
    const QColor stopFace(255, 128, 128);
    put(Button::r1stop,
        form.graphicalButton(
            "r1stop", { 1800, 4800, 975, 495 }, QStringLiteral("stop"), kPlayFont, stopFace));
    put(Button::r2stop,
        form.graphicalButton(
            "r2stop", { 3480, 4800, 975, 495 }, QStringLiteral("stop"), kPlayFont, stopFace));
    put(Button::r3stop,
        form.graphicalButton(
            "r3stop", { 5160, 4800, 975, 495 }, QStringLiteral("stop"), kPlayFont, stopFace));

    const QString up = QStringLiteral("▲");
    const QString down = QStringLiteral("▼");
    put(Button::r1ue, form.button("r1ue", { 1800, 5400, 975, 375 }, up, kArrowFont));
    put(Button::r2ue, form.button("r2ue", { 3480, 5400, 975, 375 }, up, kArrowFont));
    put(Button::r3ue, form.button("r3ue", { 5160, 5400, 975, 375 }, up, kArrowFont));
    put(Button::r1sita, form.button("r1sita", { 1800, 5880, 975, 375 }, down, kArrowFont));
    put(Button::r2sita, form.button("r2sita", { 3480, 5880, 975, 375 }, down, kArrowFont));
    put(Button::r3sita, form.button("r3sita", { 5160, 5880, 975, 375 }, down, kArrowFont));

    put(Button::autostart,
        form.button(
            "autostart", { 6840, 4920, 1575, 375 }, QStringLiteral("Auto_start"), kPlayFont));
    put(Button::autostop,
        form.button("autostop", { 6840, 5400, 1575, 375 }, QStringLiteral("Auto_stop"), kPlayFont));
    put(Button::Cmkaisetu,
        form.button(
            "Cmkaisetu", { 8520, 4920, 1455, 375 }, QStringLiteral("解説の説明"), { 11.25, true }));
    put(Button::Cmsousa,
        form.button(
            "Cmsousa", { 8520, 5400, 1455, 375 }, QStringLiteral("操作の説明"), { 12, true }));
    put(Button::cmend,
        form.button("cmend", { 8520, 5880, 1455, 495 }, QStringLiteral("終了"), kPlayFont));

    for (PushButton *b : m_buttons)
        b->setFocusPolicy(Qt::ClickFocus);
    const Button tabStops[4] = { Button::cmstart, Button::r1stop, Button::r2stop, Button::r3stop };
    for (Button stop : tabStops)
        button(stop)->setFocusPolicy(Qt::StrongFocus);
    for (int i = 0; i + 1 < 4; ++i)
        setTabOrder(button(tabStops[i]), button(tabStops[i + 1]));

    for (Button off : { Button::r1stop, Button::r2stop, Button::r3stop, Button::autostop })
        button(off)->setEnabled(false);
    describeReelButtons();
}

// "stop", "▲" and "▼" stand under every reel; heard without the picture,
// the caption alone does not say which reel a button moves. The caption stays
// the button's name, and the description tells the reel and the move.
void MainWindow::describeReelButtons()
{
    struct ReelButtons {
        Button stop, up, down;
        QString reel;
    };
    const ReelButtons reels[3] = {
        { Button::r1stop, Button::r1ue, Button::r1sita, QStringLiteral("左リール") },
        { Button::r2stop, Button::r2ue, Button::r2sita, QStringLiteral("中リール") },
        { Button::r3stop, Button::r3ue, Button::r3sita, QStringLiteral("右リール") },
    };
    for (const ReelButtons &r : reels) {
        button(r.stop)->setAccessibleDescription(r.reel + QStringLiteral("を止めます"));
        button(r.up)->setAccessibleDescription(r.reel + QStringLiteral("を１コマ上へ動かします"));
        button(r.down)->setAccessibleDescription(r.reel + QStringLiteral("を１コマ下へ動かします"));
    }
}

// The speed boxes are reached with the mouse only.
void MainWindow::buildSpeedSettings()
{
    FormBuilder form(this);
    m_text1
        = form.textBox("Text1", { 9120, 3960, 855, 360 }, QStringLiteral("100"), { 15.75, true });
    m_text3
        = form.textBox("Text3", { 9120, 4440, 855, 375 }, QStringLiteral("1075"), { 15.75, true });
    m_text1->setFocusPolicy(Qt::ClickFocus);
    m_text3->setFocusPolicy(Qt::ClickFocus);
}

void MainWindow::connectButtons()
{
    using Handler = void (reel::MainController::*)();
    const std::pair<Button, Handler> handlers[] = {
        { Button::cmstart, &reel::MainController::cmstart_Click },
        { Button::r1stop, &reel::MainController::r1stop_Click },
        { Button::r2stop, &reel::MainController::r2stop_Click },
        { Button::r3stop, &reel::MainController::r3stop_Click },
        { Button::r1ue, &reel::MainController::r1ue_Click },
        { Button::r2ue, &reel::MainController::r2ue_Click },
        { Button::r3ue, &reel::MainController::r3ue_Click },
        { Button::r1sita, &reel::MainController::r1sita_Click },
        { Button::r2sita, &reel::MainController::r2sita_Click },
        { Button::r3sita, &reel::MainController::r3sita_Click },
        { Button::cmend, &reel::MainController::cmend_Click },
        { Button::autostart, &reel::MainController::autostart_Click },
        { Button::autostop, &reel::MainController::autostop_Click },
        { Button::Cmkaisetu, &reel::MainController::Cmkaisetu_Click },
        { Button::Cmsousa, &reel::MainController::Cmsousa_Click },
    };
    for (const auto &[which, handler] : handlers) {
        connect(button(which), &PushButton::clicked, this, [this, handler = handler] {
            if (!runTimeErrorReported())
                guardAgainstRunTimeErrors([this, handler] { (m_controller.get()->*handler)(); });
        });
    }
}

PushButton *MainWindow::button(Button which) const { return m_buttons[indexOf(which)]; }

QLineEdit *MainWindow::textBox(reel::TextBox box) const
{
    return box == reel::TextBox::Text1 ? m_text1 : m_text3;
}

HelpWindow *MainWindow::helpWindow(reel::HelpWindow which) const
{
    return which == reel::HelpWindow::Fkaisetu ? m_kaisetu.data() : m_sousa.data();
}

void MainWindow::setEnabled(Button which, bool enabled) { button(which)->setEnabled(enabled); }

bool MainWindow::isEnabled(Button which) const { return button(which)->isEnabled(); }

void MainWindow::setFocus(Button which) { button(which)->setFocus(Qt::OtherFocusReason); }

void MainWindow::setCaption(reel::Label label, std::string_view text)
{
    FormLabel *target = label == reel::Label::lbyakumei ? m_lbyakumei : m_lbtamaya;
    // A new text reaches assistive tools as the label's NameChanged, which
    // QLabel sends itself (Qt 6.4 has no live regions). Sending one here as
    // well would have the message read out twice.
    target->setText(fromUtf8(text));
}

std::string MainWindow::text(reel::TextBox box) const { return textBox(box)->text().toStdString(); }

void MainWindow::setText(reel::TextBox box, std::string_view text)
{
    textBox(box)->setText(fromUtf8(text));
}

// The top is kept exactly as given; the picture stands at the nearest pixel
// of the main window, counted here from the top of its reel window.
void MainWindow::setPictureTop(int reel, float twips)
{
    m_pictureTops[std::size_t(reel)] = twips;
    QLabel *image = m_images[std::size_t(reel)];
    const int top = qRound(twips / float(kTwipsPerPixel));
    image->move(image->x(), top - image->parentWidget()->y());
}

float MainWindow::pictureTop(int reel) const { return m_pictureTops[std::size_t(reel)]; }

// Each help window exists at most once; its close box discards it.
void MainWindow::showHelp(reel::HelpWindow which)
{
    QPointer<HelpWindow> &window = which == reel::HelpWindow::Fkaisetu ? m_kaisetu : m_sousa;
    if (!window) {
        if (which == reel::HelpWindow::Fkaisetu)
            window = new TermsHelp;
        else
            window = new OperationHelp;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

// The message already names the box.
void MainWindow::reportInputError(reel::TextBox, std::string_view message)
{
    QMessageBox::warning(this, QStringLiteral("入力エラー"), fromUtf8(message));
}

// At once: no close events, nothing saved.
void MainWindow::quit() { QCoreApplication::exit(0); }

// The close box ends the program as well, help windows or not.
void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    discardHelpWindows();
    QCoreApplication::exit(0);
}

void MainWindow::discardHelpWindows()
{
    delete m_kaisetu.data();
    delete m_sousa.data();
}

} // namespace ui
