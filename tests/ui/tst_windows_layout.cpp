// Every control of the four windows against the layout tables: kind, place
// and size (in twips, 15 to a pixel), text, font, colours and first state.
#include "ui/classic/classiclook.h"
#include "ui/classic/formlabel.h"
#include "ui/classic/forms/form.h"
#include "ui/classic/helpwindow.h"
#include "ui/classic/mainwindow.h"
#include "ui/classic/pushbutton.h"
#include "ui/classic/titlewindow.h"
#include "ui_testpictures.h"

#include <QLineEdit>
#include <QWindow>
#include <QtTest>

#include <map>
#include <memory>

namespace {

enum class Kind { button, graphical, label, textBox };

QRect twipsToPixels(int left, int top, int width, int height)
{
    return { left / 15, top / 15, width / 15, height / 15 };
}

QColor paletteColour(QPalette::ColorRole role) { return QApplication::palette().color(role); }

} // namespace

Q_DECLARE_METATYPE(Kind)

class WindowsLayoutTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void frames_data();
    void frames();
    void controls_data();
    void controls();
    void labelColours_data();
    void labelColours();
    void lines_data();
    void lines();
    void tabStops_data();
    void tabStops();
    void graphicalButtonFaces_data();
    void graphicalButtonFaces();
    void strips();
    void nothingElseOnTheWindows();

private:
    QWidget *window(const QString &name) const { return m_windows.at(name); }
    void addControl(const char *window, const char *name, Kind kind, QRect twips,
        const QString &text, int pixels, bool bold, bool enabled = true);

    std::unique_ptr<ui::MainWindow> m_main;
    std::unique_ptr<ui::TitleWindow> m_title;
    std::unique_ptr<ui::HelpWindow> m_sousa;
    std::unique_ptr<ui::HelpWindow> m_kaisetu;
    std::map<QString, QWidget *> m_windows;
    QSet<QString> m_checked; // "window/control" of every row of controls_data
};

void WindowsLayoutTest::initTestCase()
{
    ui::applyClassicLook(false);
    m_main = std::make_unique<ui::MainWindow>(uitest::stripPictures());
    m_title = std::make_unique<ui::TitleWindow>(nullptr, nullptr);
    m_title->setAttribute(Qt::WA_DeleteOnClose, false);
    m_sousa = std::make_unique<ui::HelpWindow>(ui::kOperationHelpForm);
    m_sousa->setAttribute(Qt::WA_DeleteOnClose, false);
    m_kaisetu = std::make_unique<ui::HelpWindow>(ui::kTermsHelpForm);
    m_kaisetu->setAttribute(Qt::WA_DeleteOnClose, false);
    m_windows = { { "riru", m_main.get() }, { "Form4", m_title.get() }, { "Fsousa", m_sousa.get() },
        { "Fkaisetu", m_kaisetu.get() } };
}

void WindowsLayoutTest::cleanupTestCase()
{
    m_kaisetu.reset();
    m_sousa.reset();
    m_title.reset();
    m_main.reset();
}

void WindowsLayoutTest::frames_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("client");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("titleBar");
    QTest::addColumn<bool>("icon");

    QTest::newRow("riru") << "riru" << QSize(677, 425) << QString() << true << true;
    QTest::newRow("Form4") << "Form4" << QSize(405, 230) << QString() << false << false;
    QTest::newRow("Fsousa") << "Fsousa" << QSize(494, 502) << QStringLiteral("操作法の説明") << true
                            << true;
    QTest::newRow("Fkaisetu") << "Fkaisetu" << QSize(454, 477) << QStringLiteral("解説用語の説明")
                              << true << true;
}

void WindowsLayoutTest::frames()
{
    QFETCH(QString, window);
    QFETCH(QSize, client);
    QFETCH(QString, title);
    QFETCH(bool, titleBar);
    QFETCH(bool, icon);

    QWidget *w = this->window(window);
    QCOMPARE(w->objectName(), window);
    QVERIFY(w->isWindow());
    QCOMPARE(w->size(), client);
    QCOMPARE(w->minimumSize(), client);
    QCOMPARE(w->maximumSize(), client);
    QCOMPARE(w->windowTitle(), title);
    // What the title bar shows, where the native window exists already.
    if (const QWindow *native = w->windowHandle())
        QCOMPARE(native->title().trimmed(), title);
    QCOMPARE(w->palette().color(QPalette::Window), paletteColour(QPalette::Button));

    const Qt::WindowFlags flags = w->windowFlags();
    QVERIFY(flags & Qt::CustomizeWindowHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
    QCOMPARE(bool(flags & Qt::WindowTitleHint), titleBar);
    QCOMPARE(bool(flags & Qt::WindowCloseButtonHint), titleBar);
    if (icon) {
        const QPixmap logo = w->windowIcon().pixmap(32, 32);
        QCOMPARE(logo.size(), QSize(32, 32));
        // White letters on a blue oval; the corners stay clear.
        const QImage image = logo.toImage();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(QColor(image.pixel(16, 7)), QColor(0, 0, 255));
        int white = 0;
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                white += image.pixel(x, y) == qRgb(255, 255, 255);
        QVERIFY(white > 30);
    }
}

void WindowsLayoutTest::addControl(const char *window, const char *name, Kind kind, QRect twips,
    const QString &text, int pixels, bool bold, bool enabled)
{
    m_checked.insert(QStringLiteral("%1/%2").arg(window, name));
    QTest::addRow("%s %s", window, name) << QString::fromLatin1(window) << QString::fromLatin1(name)
                                         << kind << twips << text << pixels << bold << enabled;
}

void WindowsLayoutTest::controls_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QRect>("twips"); // left, top, width, height
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("pixels"); // font size; 0 where no text shows
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("enabled");

    using K = Kind;
    const auto B = Kind::button;
    const auto L = Kind::label;
    m_checked.clear();

    // Main window: frame buttons.
    addControl("riru", "Command4", B, { 1320, 0, 5295, 615 },
        QStringLiteral("雷光丸職人への道  (順押し版）"), 21, true);
    addControl("riru", "Command5", B, { 1320, 600, 255, 4095 }, {}, 0, false, false);
    addControl("riru", "Command6", B, { 3000, 600, 255, 4095 }, {}, 0, false, false);
    addControl("riru", "Command7", B, { 4680, 600, 255, 4095 }, {}, 0, false, false);
    addControl("riru", "Command8", B, { 6360, 600, 255, 4095 }, {}, 0, false, false);
    addControl("riru", "Command3", B, { 1320, 4680, 5295, 1695 }, {}, 0, false, false);
    // Pay-line lamps.
    addControl("riru", "Label2_0", L, { 120, 720, 1095, 375 }, QStringLiteral("３MEDAL"), 15, true);
    addControl(
        "riru", "Label2_1", L, { 120, 1560, 1095, 375 }, QStringLiteral("２MEDAL"), 15, true);
    addControl(
        "riru", "Label2_2", L, { 120, 2400, 1095, 375 }, QStringLiteral("１MEDAL"), 15, true);
    addControl(
        "riru", "Label2_3", L, { 120, 3240, 1095, 375 }, QStringLiteral("２MEDAL"), 15, true);
    addControl(
        "riru", "Label2_4", L, { 120, 4080, 1095, 375 }, QStringLiteral("３MEDAL"), 15, true);
    // Play buttons.
    addControl("riru", "cmstart", K::graphical, { 120, 4800, 1095, 495 }, "start", 19, true);
    addControl("riru", "r1stop", K::graphical, { 1800, 4800, 975, 495 }, "stop", 19, true, false);
    addControl("riru", "r2stop", K::graphical, { 3480, 4800, 975, 495 }, "stop", 19, true, false);
    addControl("riru", "r3stop", K::graphical, { 5160, 4800, 975, 495 }, "stop", 19, true, false);
    addControl("riru", "r1ue", B, { 1800, 5400, 975, 375 }, QStringLiteral("▲"), 24, false);
    addControl("riru", "r2ue", B, { 3480, 5400, 975, 375 }, QStringLiteral("▲"), 24, false);
    addControl("riru", "r3ue", B, { 5160, 5400, 975, 375 }, QStringLiteral("▲"), 24, false);
    addControl("riru", "r1sita", B, { 1800, 5880, 975, 375 }, QStringLiteral("▼"), 24, false);
    addControl("riru", "r2sita", B, { 3480, 5880, 975, 375 }, QStringLiteral("▼"), 24, false);
    addControl("riru", "r3sita", B, { 5160, 5880, 975, 375 }, QStringLiteral("▼"), 24, false);
    addControl("riru", "autostart", B, { 6840, 4920, 1575, 375 }, "Auto_start", 19, true);
    addControl("riru", "autostop", B, { 6840, 5400, 1575, 375 }, "Auto_stop", 19, true, false);
    addControl(
        "riru", "Cmkaisetu", B, { 8520, 4920, 1455, 375 }, QStringLiteral("解説の説明"), 15, true);
    addControl(
        "riru", "Cmsousa", B, { 8520, 5400, 1455, 375 }, QStringLiteral("操作の説明"), 16, true);
    addControl("riru", "cmend", B, { 8520, 5880, 1455, 495 }, QStringLiteral("終了"), 19, true);
    // Messages.
    addControl("riru", "lbtamaya", L, { 6840, 1920, 3135, 375 },
        QStringLiteral("た～ま～や～～！！"), 24, true);
    addControl("riru", "Label5", L, { 6960, 2520, 1215, 255 }, QStringLiteral("解説"), 16, true);
    addControl("riru", "lbyakumei", L, { 6840, 2940, 3135, 915 },
        QStringLiteral("ＢＩＧじゃ～！！"), 19, true);
    // Speed settings.
    addControl("riru", "Label1", L, { 6840, 4080, 2175, 255 },
        QStringLiteral("リール１コマのスピード"), 13, true);
    addControl("riru", "Text1", K::textBox, { 9120, 3960, 855, 360 }, "100", 21, true);
    addControl("riru", "Label4", L, { 6840, 4560, 2295, 255 },
        QStringLiteral("Ａutoの停止までの時間"), 13, true);
    addControl("riru", "Text3", K::textBox, { 9120, 4440, 855, 375 }, "1075", 21, true);
    // Settings table.
    addControl(
        "riru", "Label3", L, { 6840, 120, 3255, 255 }, " 設定       BIG            REG ", 12, true);
    addControl("riru", "Label7_0", L, { 6840, 360, 3495, 255 }, "   1     1/431.158     1/655.360",
        12, true);
    addControl("riru", "Label7_1", L, { 6840, 600, 3375, 255 }, "   2     1/399.610     1/655.360",
        12, true);
    addControl("riru", "Label7_2", L, { 6840, 840, 3375, 255 }, "   3     1/364.089     1/606.815",
        12, true);
    addControl("riru", "Label7_3", L, { 6840, 1080, 3375, 255 }, "   4     1/321.255     1/606.815",
        12, true);
    addControl("riru", "Label7_4", L, { 6840, 1320, 3375, 255 }, "   5     1/292.571     1/512.000",
        12, true);
    addControl("riru", "Label7_5", L, { 6840, 1560, 3375, 255 }, "   6     1/240.941     1/481.882",
        12, true);

    // Title window.
    addControl("Form4", "Label1", L, { 240, 240, 5655, 495 },
        QStringLiteral("雷光丸職人への道 （順押し版）"), 27, true);
    addControl("Form4", "Label5", L, { 600, 1080, 1095, 255 }, QStringLiteral("注意！"), 15, true);
    addControl("Form4", "Label4", L, { 480, 1440, 4695, 855 },
        QStringLiteral(
            "   データの入力には、細心の注意を払ったつもりですが、  リーチ目等の間違い等による "
            "、実践等における負債、      トラブル等は、、一切責任を負えません。                    "
            "   自分の責任において、雷光丸職人を目指して下さい。"),
        13, false);
    addControl("Form4", "Command1", B, { 2160, 2520, 1575, 615 }, QStringLiteral("ＯＫ"), 24, true);

    // Operation help window.
    addControl(
        "Fsousa", "r1ue", B, { 120, 360, 1575, 525 }, QStringLiteral("Ｓｔａｒｔ"), 27, false);
    addControl(
        "Fsousa", "r1sita", B, { 2400, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), 27, false);
    addControl(
        "Fsousa", "Command5", B, { 3960, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), 27, false);
    addControl(
        "Fsousa", "Command6", B, { 5520, 360, 1455, 525 }, QStringLiteral("Ｓｔｏｐ"), 27, false);
    addControl("Fsousa", "Label2", L, { 120, 960, 2175, 255 },
        QStringLiteral("リールがスタートします"), 13, true);
    addControl("Fsousa", "Label1", L, { 2880, 960, 3615, 255 },
        QStringLiteral("上にあるリールをストップします。"), 13, true);
    addControl("Fsousa", "Label10", L, { 120, 1320, 6495, 735 },
        QStringLiteral("Ｅｎｔｅｒを押す事で、マウスのクリックの代用になります。         "
                       "フォーカス（ボタンの内側に点線が表示された状態）を移すには、ＴＡＢキーを押"
                       "して下さい。"),
        15, true);
    addControl(
        "Fsousa", "Command4_0", B, { 2520, 2160, 1455, 495 }, QStringLiteral("▲"), 24, false);
    addControl(
        "Fsousa", "Command4_1", B, { 2520, 2760, 1455, 495 }, QStringLiteral("▼"), 24, false);
    addControl(
        "Fsousa", "Command4_2", B, { 4080, 2160, 1455, 495 }, QStringLiteral("▲"), 24, false);
    addControl(
        "Fsousa", "Command4_3", B, { 4080, 2760, 1455, 495 }, QStringLiteral("▼"), 24, false);
    addControl(
        "Fsousa", "Command4_4", B, { 5640, 2160, 1455, 495 }, QStringLiteral("▲"), 24, false);
    addControl(
        "Fsousa", "Command4_5", B, { 5640, 2760, 1455, 495 }, QStringLiteral("▼"), 24, false);
    addControl("Fsousa", "Label12", L, { 2520, 3360, 4575, 255 },
        QStringLiteral("リールを上下に一コマ移動しリーチ目を表示します。"), 13, true);
    addControl("Fsousa", "Label5", L, { 120, 4080, 2535, 255 },
        QStringLiteral("リール１コマのスピード"), 16, true);
    addControl("Fsousa", "Text1", K::textBox, { 2760, 3960, 855, 420 }, "100", 21, true);
    addControl("Fsousa", "Label8", L, { 3720, 3960, 3615, 735 },
        QStringLiteral("リール１コマが進むスピードです。 実機は、約３５ミリ秒です。         "
                       "速すぎるとコマ落ちします。  "),
        15, true);
    addControl("Fsousa", "Label7", L, { 120, 4920, 2655, 375 },
        QStringLiteral("Ａｕｔｏの停止までの時間"), 16, true);
    addControl("Fsousa", "Text2", K::textBox, { 2760, 4800, 855, 435 }, "1200", 21, true);
    addControl("Fsousa", "Label9", L, { 3720, 4800, 3495, 615 },
        QStringLiteral("Ａｕｔｏの左、中、右リールを止める時間設定です。（ミリ秒）"), 15, true);
    addControl("Fsousa", "comauto1", B, { 240, 5400, 1575, 495 },
        QStringLiteral("Ａｕｔｏ Ｓｔａｒｔ"), 13, true);
    addControl("Fsousa", "Label3", L, { 2040, 5400, 4695, 615 },
        QStringLiteral("設定した時間で、スタート、ストップを行い、リーチ目を表示します。"), 16,
        true);
    addControl("Fsousa", "Command2", B, { 240, 6120, 1575, 495 },
        QStringLiteral("Ａｕｔｏ Ｓｔｏｐ"), 13, true);
    addControl("Fsousa", "Label4", L, { 2040, 6120, 3375, 495 },
        QStringLiteral("Ａｕｔｏ動作を停止します。"), 19, true);
    addControl("Fsousa", "Command3", B, { 240, 6840, 1575, 495 }, QStringLiteral("終了"), 16, true);
    addControl("Fsousa", "Label6", L, { 2040, 6840, 3015, 495 },
        QStringLiteral("ソフトを終了します。"), 16, true);
    addControl("Fsousa", "Command1", B, { 5640, 6720, 1575, 615 }, "OK", 19, true);

    // Terms help window.
    addControl("Fkaisetu", "Label7", L, { 240, 120, 6015, 675 },
        QStringLiteral("リーチ目は、３枚がけ、順押しが基準です。     "
                       "挟み打ちの場合は、成立フラグが違ったり、ガセる可能性の出目があります。     "
                       "       さらに、１，２枚がけ 及び、中押し、逆押しは、除きます。"),
        13, true);
    addControl("Fkaisetu", "Label1_0", L, { 120, 900, 2055, 375 },
        QStringLiteral("リーチ目 ＢＩＧです。"), 13, true);
    addControl("Fkaisetu", "Label2_0", L, { 2280, 900, 3495, 375 },
        QStringLiteral("ＢＩＧのリーチ目です。"), 13, true);
    addControl("Fkaisetu", "Label1_1", L, { 120, 1500, 2055, 375 },
        QStringLiteral("リーチ目  ＲＥＧです。"), 13, true);
    addControl("Fkaisetu", "Label3", L, { 2280, 1500, 3495, 375 },
        QStringLiteral("ＲＥＧのリーチ目です。"), 13, true);
    addControl("Fkaisetu", "Label1_2", L, { 120, 2100, 2055, 375 },
        QStringLiteral("リーチ目  Ｂ＆Ｒです。"), 13, true);
    addControl("Fkaisetu", "Label2_1", L, { 2280, 2100, 3495, 375 },
        QStringLiteral("ＢＩＧ＆ＲＥＧ共通のリーチ目です。"), 13, true);
    addControl("Fkaisetu", "Label1_3", L, { 120, 2700, 2055, 375 },
        QStringLiteral("止まりません。"), 13, true);
    addControl("Fkaisetu", "Label2_2", L, { 2280, 2700, 3495, 375 },
        QStringLiteral("重複子役のため止まりません。"), 13, true);
    addControl(
        "Fkaisetu", "Label1_6", L, { 120, 3300, 2055, 375 }, QStringLiteral("はずれ"), 13, true);
    addControl("Fkaisetu", "Label2_5", L, { 2280, 3300, 4335, 375 },
        QStringLiteral(
            "はずれ（止まらない外れ目もあり）、または、     子役の取りこぼしも含みます。"),
        13, true);
    addControl("Fkaisetu", "Label1_4", L, { 120, 3900, 2055, 495 },
        QStringLiteral("リーチ目だけど、      止まらない？"), 13, true);
    addControl("Fkaisetu", "Label2_6", L, { 2280, 3900, 4455, 855 },
        QStringLiteral(
            "２リール確定や子役はずれのリーチ目等で、     第３リールが止まらない事を示します。     "
            "        ボーナス成立後の子役の取りこぼすと止まる　　可能性があります。"),
        13, true);
    addControl("Fkaisetu", "Label1_5", L, { 120, 4740, 2055, 495 },
        QStringLiteral("子役の取りこぼし      ｏｒ ボーナス"), 13, true);
    addControl("Fkaisetu", "Label2_4", L, { 2280, 4740, 4095, 795 },
        QStringLiteral("子役の取りこぼし ｏｒ ボーナス "
                       "の時に止まる目です。（外れの時に出る目は、除きました。）大山取りこぼし目は"
                       "、予告音が鳴らないと、　　ボーナス確定です。"),
        13, true);
    addControl(
        "Fkaisetu", "Label4", L, { 120, 5340, 855, 255 }, QStringLiteral("お断り"), 13, true);
    addControl("Fkaisetu", "Label5", L, { 120, 5700, 4695, 495 },
        QStringLiteral("リール制御を解析したわけでは、無いので、止まらない目で止まるかもしれません"
                       "。ご了承ください。"),
        13, true);
    addControl("Fkaisetu", "Label6", L, { 120, 6180, 4695, 855 },
        QStringLiteral(
            "「リーチ目だけど止まらない」の基準は、参考にした リーチ目表に無いものに付けました。 "
            "またこの場合、ボーナス成立後の子役を取りこぼした時は、 止まる可能性があります。"),
        13, true);
    addControl(
        "Fkaisetu", "Command1", B, { 5040, 6480, 1575, 495 }, QStringLiteral("ＯＫ"), 19, true);
}

void WindowsLayoutTest::controls()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(Kind, kind);
    QFETCH(QRect, twips);
    QFETCH(QString, text);
    QFETCH(int, pixels);
    QFETCH(bool, bold);
    QFETCH(bool, enabled);

    const QList<QWidget *> found = this->window(window)->findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *control = found.front();
    QCOMPARE(control->parentWidget(), this->window(window));
    QCOMPARE(control->geometry(),
        twipsToPixels(twips.left(), twips.top(), twips.width(), twips.height()));
    QCOMPARE(control->isEnabled(), enabled);
    QVERIFY(!control->isHidden());

    switch (kind) {
    case Kind::button:
    case Kind::graphical: {
        auto *button = qobject_cast<ui::PushButton *>(control);
        QVERIFY(button);
        QCOMPARE(qobject_cast<ui::GraphicalButton *>(control) != nullptr, kind == Kind::graphical);
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault());
        break;
    }
    case Kind::label: {
        auto *label = qobject_cast<ui::FormLabel *>(control);
        QVERIFY(label);
        QCOMPARE(label->text(), text);
        QVERIFY(label->autoFillBackground());
        QVERIFY(label->wordWrap());
        QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        break;
    }
    case Kind::textBox: {
        auto *box = qobject_cast<QLineEdit *>(control);
        QVERIFY(box);
        QCOMPARE(box->text(), text);
        QVERIFY(!box->isReadOnly());
        QCOMPARE(box->palette().color(QPalette::Base), paletteColour(QPalette::Base));
        QCOMPARE(box->palette().color(QPalette::Text), paletteColour(QPalette::WindowText));
        break;
    }
    }

    if (pixels > 0) {
        const QFont font = control->font();
        QCOMPARE(font.pixelSize(), pixels);
        QCOMPARE(font.bold(), bold);
        QVERIFY(!font.italic() && !font.underline() && !font.strikeOut());
        QCOMPARE(font.families().value(0), QStringLiteral("ＭＳ Ｐゴシック"));
        const QString face = QFontInfo(font).family();
        QVERIFY2(face == QStringLiteral("ＭＳ Ｐゴシック") || face == QStringLiteral("IPAPGothic")
                || face == QStringLiteral("Noto Sans CJK JP"),
            qPrintable(face));
    }
}

void WindowsLayoutTest::labelColours_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("text");
    QTest::addColumn<QColor>("background");
    QTest::addColumn<bool>("centred");
    QTest::addColumn<bool>("border");

    const QColor buttonFace = paletteColour(QPalette::Button);
    const QColor buttonText = paletteColour(QPalette::ButtonText);
    const QColor menuText = paletteColour(QPalette::WindowText);
    const QColor toolTip = paletteColour(QPalette::ToolTipBase);

    for (int i = 0; i < 5; ++i)
        QTest::addRow("riru Label2_%d", i) << "riru" << QStringLiteral("Label2_%1").arg(i)
                                           << QColor(192, 192, 0) << menuText << true << false;
    QTest::newRow("riru lbtamaya")
        << "riru"
        << "lbtamaya" << QColor(255, 255, 0) << buttonFace << false << false;
    QTest::newRow("riru lbyakumei") << "riru"
                                    << "lbyakumei" << buttonText << toolTip << false << false;
    QTest::newRow("riru Label5") << "riru"
                                 << "Label5" << buttonText << buttonFace << false << false;
    QTest::newRow("riru Label1") << "riru"
                                 << "Label1" << buttonText << buttonFace << true << false;
    QTest::newRow("riru Label4") << "riru"
                                 << "Label4" << buttonText << buttonFace << true << false;
    QTest::newRow("riru Label3") << "riru"
                                 << "Label3" << buttonText << buttonFace << false << false;
    QTest::newRow("riru Label7_5") << "riru"
                                   << "Label7_5" << buttonText << buttonFace << false << false;

    QTest::newRow("Form4 Label1") << "Form4"
                                  << "Label1" << QColor(0, 0, 255) << toolTip << true << false;
    QTest::newRow("Form4 Label5") << "Form4"
                                  << "Label5" << QColor(255, 0, 0) << buttonFace << false << false;
    QTest::newRow("Form4 Label4") << "Form4"
                                  << "Label4" << QColor(192, 0, 0) << buttonFace << false << false;

    QTest::newRow("Fsousa Label10")
        << "Fsousa"
        << "Label10" << QColor(107, 124, 241) << buttonFace << false << false;
    QTest::newRow("Fsousa Label8") << "Fsousa"
                                   << "Label8" << buttonText << buttonFace << false << false;

    QTest::newRow("Fkaisetu Label7")
        << "Fkaisetu"
        << "Label7" << QColor(0, 0, 255) << buttonFace << false << false;
    for (int i : { 0, 1, 2, 3, 4, 5, 6 })
        QTest::addRow("Fkaisetu Label1_%d", i) << "Fkaisetu" << QStringLiteral("Label1_%1").arg(i)
                                               << buttonText << toolTip << false << true;
    for (const char *name : { "Label2_0", "Label3", "Label2_1", "Label2_2", "Label2_4", "Label2_5",
             "Label2_6", "Label4", "Label5", "Label6" })
        QTest::addRow("Fkaisetu %s", name) << "Fkaisetu" << QString::fromLatin1(name) << buttonText
                                           << buttonFace << false << false;
}

void WindowsLayoutTest::labelColours()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QColor, text);
    QFETCH(QColor, background);
    QFETCH(bool, centred);
    QFETCH(bool, border);

    auto *label = this->window(window)->findChild<ui::FormLabel *>(name);
    QVERIFY(label);
    QCOMPARE(label->palette().color(QPalette::WindowText), text);
    QCOMPARE(label->palette().color(QPalette::Window), background);
    QCOMPARE(bool(label->alignment() & Qt::AlignHCenter), centred);
    QVERIFY(label->alignment() & Qt::AlignTop);
    QCOMPARE(label->frameWidth(), border ? 1 : 0);

    // What shows: the background at a corner inside any border.
    const QImage shot = label->grab().toImage();
    const int inset = border ? 1 : 0;
    QCOMPARE(
        QColor(shot.pixel(label->width() - 1 - inset, label->height() - 1 - inset)), background);
}

void WindowsLayoutTest::lines_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QPoint>("from"); // twips
    QTest::addColumn<QPoint>("to");
    QTest::addColumn<QPalette::ColorRole>("colour");

    QTest::newRow("riru Line2") << "riru"
                                << "Line2" << QPoint(1320, 1200) << QPoint(6600, 1200)
                                << QPalette::ToolTipText;
    QTest::newRow("riru Line1") << "riru"
                                << "Line1" << QPoint(1320, 4080) << QPoint(6600, 4080)
                                << QPalette::ToolTipText;
    const std::pair<const char *, int> columns[]
        = { { "Line7", 6840 }, { "Line9", 7320 }, { "Line10", 8640 }, { "Line8", 9960 } };
    for (auto [name, x] : columns)
        QTest::addRow("riru %s", name) << "riru" << QString::fromLatin1(name) << QPoint(x, 0)
                                       << QPoint(x, 1800) << QPalette::WindowText;
    const std::pair<const char *, int> rows[]
        = { { "Line18", 0 }, { "Line11", 360 }, { "Line12", 600 }, { "Line13", 840 },
              { "Line14", 1080 }, { "Line15", 1320 }, { "Line16", 1560 }, { "Line17", 1800 } };
    for (auto [name, y] : rows)
        QTest::addRow("riru %s", name) << "riru" << QString::fromLatin1(name) << QPoint(6840, y)
                                       << QPoint(9960, y) << QPalette::WindowText;
    QTest::newRow("Fsousa Line1") << "Fsousa"
                                  << "Line1" << QPoint(120, 3720) << QPoint(7200, 3720)
                                  << QPalette::WindowText;
}

// A one-pixel line covers both its end pixels and shows in front of whatever
// label or picture it crosses.
void WindowsLayoutTest::lines()
{
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QPoint, from);
    QFETCH(QPoint, to);
    QFETCH(QPalette::ColorRole, colour);

    QWidget *form = this->window(window);
    auto *line = form->findChild<QWidget *>(name);
    QVERIFY(line);
    QCOMPARE(line->geometry(),
        QRect(QPoint(from.x() / 15, from.y() / 15), QPoint(to.x() / 15, to.y() / 15)));
    QCOMPARE(line->palette().color(QPalette::Window), paletteColour(colour));

    const QImage shot = form->grab().toImage();
    int shown = 0;
    for (int y = line->y(); y <= line->geometry().bottom(); ++y) {
        for (int x = line->x(); x <= line->geometry().right(); ++x) {
            QWidget *top = form->childAt(x, y);
            if (top == line) {
                QCOMPARE(QColor(shot.pixel(x, y)), paletteColour(colour));
                ++shown;
            } else {
                // Only buttons, text boxes and crossing lines may lie over a line.
                const bool crossingLine = top && top->metaObject() == &QWidget::staticMetaObject;
                QVERIFY2(qobject_cast<QAbstractButton *>(top) || qobject_cast<QLineEdit *>(top)
                        || crossingLine,
                    qPrintable(top ? top->objectName() : QStringLiteral("nothing")));
            }
        }
    }
    QVERIFY(shown > 0);
}

void WindowsLayoutTest::graphicalButtonFaces_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QColor>("face");
    QTest::newRow("cmstart") << "cmstart" << QColor(255, 128, 255);
    QTest::newRow("r1stop") << "r1stop" << QColor(255, 128, 128);
    QTest::newRow("r2stop") << "r2stop" << QColor(255, 128, 128);
    QTest::newRow("r3stop") << "r3stop" << QColor(255, 128, 128);
}

// The face shows its own colour, enabled or not, and pressed as well.
void WindowsLayoutTest::graphicalButtonFaces()
{
    QFETCH(QString, name);
    QFETCH(QColor, face);
    auto *button = m_main->findChild<ui::GraphicalButton *>(name);
    QVERIFY(button);
    QWidget *focus = m_main->focusWidget();
    const QPoint inside(6, button->height() - 6);
    QCOMPARE(QColor(button->grab().toImage().pixel(inside)), face);

    const bool wasEnabled = button->isEnabled();
    button->setEnabled(!wasEnabled);
    QCOMPARE(QColor(button->grab().toImage().pixel(inside)), face);
    button->setEnabled(true);
    const QImage raised = button->grab().toImage();
    button->setDown(true);
    const QImage sunken = button->grab().toImage();
    button->setDown(false);
    button->setEnabled(wasEnabled);
    if (focus)
        focus->setFocus();
    QCOMPARE(QColor(sunken.pixel(inside)), face);
    // Raised, the top left edge is lit; pressed, it is in shadow.
    QVERIFY(qGray(raised.pixel(0, 0)) > qGray(sunken.pixel(0, 0)));
}

// The strips stand at position 0 behind the frame buttons when the window
// opens, each at its own size.
void WindowsLayoutTest::strips()
{
    const int lefts[3] = { 1560, 3240, 4920 };
    for (int reel = 0; reel < 3; ++reel) {
        auto *image = m_main->findChild<QLabel *>(QStringLiteral("Image%1").arg(reel + 1));
        QVERIFY(image);
        const QRect onWindow(image->mapTo(m_main.get(), QPoint(0, 0)), image->size());
        QCOMPARE(onWindow, QRect(lefts[reel] / 15, -20280 / 15, 100, 1680));
        QCOMPARE(image->pixmap().size(), QSize(100, 1680));
        QCOMPARE(image->pixmap().toImage().pixel(0, 700), uitest::rowColour(reel, 700));
        QCOMPARE(m_main->pictureTop(reel), -20280.0f);
    }
}

void WindowsLayoutTest::tabStops_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");
    QTest::newRow("riru") << "riru" << QStringList { "cmstart", "r1stop", "r2stop", "r3stop" };
    QTest::newRow("Form4") << "Form4" << QStringList { "Command1" };
    QTest::newRow("Fsousa") << "Fsousa"
                            << QStringList { "Command1", "comauto1", "r1ue", "r1sita", "Command2",
                                   "Command3", "Command5", "Command6", "Text1", "Text2",
                                   "Command4_0", "Command4_1", "Command4_2", "Command4_3",
                                   "Command4_4", "Command4_5" };
    QTest::newRow("Fkaisetu") << "Fkaisetu" << QStringList { "Command1" };
}

// The chain of controls TAB may visit, from the first tab stop round to it
// again, whether enabled now or not; every other control is out of it.
void WindowsLayoutTest::tabStops()
{
    QFETCH(QString, window);
    QFETCH(QStringList, order);
    QWidget *form = this->window(window);

    QStringList chain;
    QWidget *first = form->findChild<QWidget *>(order.front());
    QVERIFY(first);
    QWidget *w = first;
    do {
        if ((w->focusPolicy() & Qt::TabFocus) && w->isWindow() == false)
            chain << w->objectName();
        w = w->nextInFocusChain();
    } while (w != first);
    QCOMPARE(chain, order);

    // The window's first focus is its first tab stop.
    QCOMPARE(form->focusWidget(), first);

    // The rest take the focus only from a click, or not at all.
    for (QWidget *child : form->findChildren<QWidget *>()) {
        if (order.contains(child->objectName()))
            continue;
        QVERIFY2(!(child->focusPolicy() & Qt::TabFocus), qPrintable(child->objectName()));
        if (qobject_cast<QAbstractButton *>(child) || qobject_cast<QLineEdit *>(child))
            QCOMPARE(child->focusPolicy(), Qt::ClickFocus);
    }
}

// Every visible control of a window is one the tables list (the main
// window's strips and lines aside, which have tests of their own).
void WindowsLayoutTest::nothingElseOnTheWindows()
{
    if (m_checked.isEmpty())
        QSKIP("needs the rows of controls_data");
    for (const auto &[name, form] : m_windows) {
        for (QWidget *child : form->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
            const QString id = QStringLiteral("%1/%2").arg(name, child->objectName());
            const bool lineOrStrip = child->metaObject() == &QWidget::staticMetaObject
                || child->objectName().startsWith(QStringLiteral("Image"));
            QVERIFY2(m_checked.contains(id) || lineOrStrip, qPrintable(id));
        }
    }
}

QTEST_MAIN(WindowsLayoutTest)
#include "tst_windows_layout.moc"
