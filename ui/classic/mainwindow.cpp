#include "ui/classic/mainwindow.h"

#include "ui/classic/formlabel.h"
#include "ui/classic/forms/form.h"
#include "ui/classic/forms/mainform.h"
#include "ui/classic/helpwindow.h"
#include "ui/classic/playkeys.h"
#include "ui/classic/pushbutton.h"
#include "ui/classic/screencentre.h"
#include "ui/common/texts.h"
#include "ui/common/windowicon.h"

#include "reel/buttons.h"
#include "reel/reelmodel.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QWindow>

using reel::Button;

namespace ui {

namespace {

std::size_t indexOf(Button button) { return static_cast<std::size_t>(button); }

} // namespace

MainWindow::MainWindow(const StripPictures &pictures, Lifetime *lifetime)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , m_ownLifetime(lifetime ? nullptr : std::make_unique<Lifetime>())
    , m_lifetime(lifetime ? *lifetime : *m_ownLifetime)
    , m_timer1(lifetimeRunner())
    , m_timer2(lifetimeRunner())
    , m_timer3(lifetimeRunner())
    , m_timer4(lifetimeRunner())
{
    setUpForm(this, kMainForm);
    setWindowIcon(logoIcon());
    // The title is empty. Qt would put the program's name in an empty title
    // bar, so the native window gets a lone blank.
    create();
    windowHandle()->setTitle(QStringLiteral(" "));

    // The strips lie at the back, every control in front of them.
    buildReelArea(pictures);
    buildControls(this, kMainForm);
    for (const reel::ButtonEntry &entry : reel::kButtons)
        m_buttons[indexOf(entry.button)]
            = findChild<PushButton *>(QString::fromLatin1(entry.objectName));
    m_lbyakumei = findChild<FormLabel *>(QStringLiteral("lbyakumei"));
    m_lbtamaya = findChild<FormLabel *>(QStringLiteral("lbtamaya"));
    m_text1 = findChild<QLineEdit *>(QStringLiteral("Text1"));
    m_text3 = findChild<QLineEdit *>(QStringLiteral("Text3"));

    m_controller
        = std::make_unique<reel::MainController>(m_view, m_timer1, m_timer2, m_timer3, m_timer4);
    connectButtons();
    new PlayKeys(this);
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

// Each strip lies in a child the size of its reel window, which cuts it where
// the frame buttons, made later, stand: a step then repaints that reel window
// alone, not the picture's whole column of the window with every button over
// it.
void MainWindow::buildReelArea(const StripPictures &pictures)
{
    for (int reel = 0; reel < 3; ++reel) {
        const auto r = std::size_t(reel);
        const ReelWindow &place = kReelWindows[r];
        // Transparent: where a picture does not reach, the window shows.
        auto *opening = new QWidget(this);
        opening->setObjectName(QString::fromLatin1(place.name));
        opening->setGeometry(toPixels(place.opening));
        auto *image = new QLabel(opening);
        image->setObjectName(QString::fromLatin1(place.pictureName));
        image->setPixmap(QPixmap::fromImage(pictures.images[r]));
        // The logical size: a high-density picture is shown at the same size.
        image->resize(pictures.images[r].deviceIndependentSize().toSize());
        image->move(toPixels(place.pictureLeft) - opening->x(), 0);
        m_images[r] = image;
        setPictureTop(reel, reel::pictureOffset(0));
    }
}

void MainWindow::connectButtons()
{
    for (const reel::ButtonEntry &entry : reel::kButtons) {
        connect(button(entry.button), &PushButton::clicked, this, [this, handler = entry.handler] {
            m_lifetime.run([this, handler] { (m_controller.get()->*handler)(); });
        });
    }
}

QtIntervalTimer::TickRunner MainWindow::lifetimeRunner()
{
    return [this](const std::function<void()> &tick) { m_lifetime.run(tick); };
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
    const int top = qRound(twips / float(judge::kTwipsPerPixel));
    image->move(image->x(), top - image->parentWidget()->y());
}

float MainWindow::pictureTop(int reel) const { return m_pictureTops[std::size_t(reel)]; }

// Each help window exists at most once; its close box discards it.
void MainWindow::showHelp(reel::HelpWindow which)
{
    QPointer<HelpWindow> &window = which == reel::HelpWindow::Fkaisetu ? m_kaisetu : m_sousa;
    if (!window)
        window = new HelpWindow(
            which == reel::HelpWindow::Fkaisetu ? kTermsHelpForm : kOperationHelpForm);
    window->show();
    window->raise();
    window->activateWindow();
}

// The message already names the box.
void MainWindow::reportInputError(reel::TextBox, std::string_view message)
{
    QMessageBox::warning(this, QStringLiteral("入力エラー"), fromUtf8(message));
}

// At once: no close events.
void MainWindow::quit() { m_lifetime.end(0); }

// The close box ends the program as well, help windows or not.
void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    discardHelpWindows();
    m_lifetime.end(0);
}

void MainWindow::discardHelpWindows()
{
    delete m_kaisetu.data();
    delete m_sousa.data();
}

} // namespace ui
