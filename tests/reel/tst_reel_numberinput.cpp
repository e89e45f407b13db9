// Reading the speed boxes: what counts as a number, exact rounding half to
// even, the 16-bit range, and the full-width forms an input method types.
#include "reel/numberinput.h"

#include <QtTest>

#include <string>

using Outcome = reel::ReadResult::Outcome;

Q_DECLARE_METATYPE(Outcome)

class TestReelNumberInput : public QObject {
    Q_OBJECT

private slots:
    void numbers_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("value");

        QTest::newRow("plain") << QByteArray("35") << 35;
        QTest::newRow("leading zeros") << QByteArray("00035") << 35;
        QTest::newRow("zero twice") << QByteArray("00") << 0;
        QTest::newRow("negative zero") << QByteArray("-0") << 0;
        QTest::newRow("plus sign") << QByteArray("+7") << 7;
        QTest::newRow("negative") << QByteArray("-250") << -250;
        QTest::newRow("top of the range") << QByteArray("32767") << 32767;
        QTest::newRow("bottom of the range") << QByteArray("-32768") << -32768;
        QTest::newRow("exponent") << QByteArray("1e3") << 1000;
        QTest::newRow("capital exponent with sign") << QByteArray("25E+2") << 2500;
        QTest::newRow("negative exponent") << QByteArray("3500e-2") << 35;
        QTest::newRow("fraction with exponent") << QByteArray("3.2767e4") << 32767;
        QTest::newRow("tiny") << QByteArray("1e-400") << 0;
        QTest::newRow("zero with a huge exponent") << QByteArray("0e99999") << 0;
        QTest::newRow("point first") << QByteArray(".5") << 0;
        QTest::newRow("point last") << QByteArray("5.") << 5;

        // Halves go to the even neighbour, on both sides of zero.
        QTest::newRow("35.5 up to even") << QByteArray("35.5") << 36;
        QTest::newRow("34.5 down to even") << QByteArray("34.5") << 34;
        QTest::newRow("0.5 to zero") << QByteArray("0.5") << 0;
        QTest::newRow("1.5 to two") << QByteArray("1.5") << 2;
        QTest::newRow("-2.5 to -2") << QByteArray("-2.5") << -2;
        QTest::newRow("-3.5 to -4") << QByteArray("-3.5") << -4;
        QTest::newRow("below a half") << QByteArray("34.49") << 34;
        QTest::newRow("above a half") << QByteArray("34.51") << 35;
        QTest::newRow("half as an exponent") << QByteArray("345e-1") << 34;
        QTest::newRow("half below the bottom goes to even") << QByteArray("-32768.5") << -32768;
        QTest::newRow("half below the top stays") << QByteArray("32766.5") << 32766;
        QTest::newRow("just under the top's half") << QByteArray("32767.4999") << 32767;

        // Exact: a double would round these to the half and then the wrong way.
        QTest::newRow("a hair above 0.5") << QByteArray("0.50000000000000000001") << 1;
        QTest::newRow("a hair above 2.5") << QByteArray("2.50000000000000000001") << 3;
        QTest::newRow("a hair below 1.5") << QByteArray("1.49999999999999999999") << 1;
        QTest::newRow("a hair below 32767.5") << QByteArray("32767.49999999999999999") << 32767;

        // Blanks around the number, as typed.
        QTest::newRow("spaces") << QByteArray("  35  ") << 35;
        QTest::newRow("tabs") << QByteArray("\t35\t") << 35;
        QTest::newRow("full-width spaces") << QByteArray("\u3000\u300035\u3000") << 35;
        QTest::newRow("pasted with a line break") << QByteArray("35\n") << 35;
        QTest::newRow("line breaks around") << QByteArray("\r\n35\r") << 35;

        // What a Japanese input method types.
        QTest::newRow("full-width digits") << QByteArray("３５") << 35;
        QTest::newRow("full-width minus and point") << QByteArray("－３４．５") << -34;
        QTest::newRow("full-width plus") << QByteArray("＋１０７５") << 1075;
        QTest::newRow("minus sign") << QByteArray("\u22122.5") << -2;
        QTest::newRow("mixed widths") << QByteArray("1０7５") << 1075;
        QTest::newRow("full-width digits in an exponent") << QByteArray("１e３") << 1000;
    }

    void numbers()
    {
        QFETCH(QByteArray, text);
        QFETCH(int, value);
        const reel::ReadResult result = reel::readInt16(text.toStdString());
        QCOMPARE(result.outcome, Outcome::value);
        QVERIFY(result.ok());
        QCOMPARE(int(result.value), value);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Outcome>("outcome");

        const Outcome nan = Outcome::notANumber;
        QTest::newRow("empty") << QByteArray("") << nan;
        QTest::newRow("a lone space") << QByteArray(" ") << nan;
        QTest::newRow("a lone full-width space") << QByteArray("\u3000") << nan;
        QTest::newRow("letters") << QByteArray("abc") << nan;
        QTest::newRow("NaN") << QByteArray("NaN") << nan;
        QTest::newRow("inf") << QByteArray("inf") << nan;
        QTest::newRow("negative infinity") << QByteArray("-Infinity") << nan;
        QTest::newRow("hex with &H") << QByteArray("&H7FFF") << nan;
        QTest::newRow("hex with 0x") << QByteArray("0x10") << nan;
        QTest::newRow("point alone") << QByteArray(".") << nan;
        QTest::newRow("sign alone") << QByteArray("-") << nan;
        QTest::newRow("two signs") << QByteArray("+-1") << nan;
        QTest::newRow("sign after a blank") << QByteArray("- 5") << nan;
        QTest::newRow("blank inside") << QByteArray("1 2") << nan;
        QTest::newRow("exponent without digits") << QByteArray("1e") << nan;
        QTest::newRow("exponent without mantissa") << QByteArray("e5") << nan;
        QTest::newRow("two points") << QByteArray("1.2.3") << nan;
        QTest::newRow("thousands separator") << QByteArray("1,000") << nan;
        QTest::newRow("trailing sign") << QByteArray("5-") << nan;
        QTest::newRow("parentheses") << QByteArray("(5)") << nan;
        QTest::newRow("currency") << QByteArray("$5") << nan;
        QTest::newRow("line break inside") << QByteArray("3\n5") << nan;
        QTest::newRow("vertical tab") << QByteArray("35\v") << nan;
        QTest::newRow("control character") << QByteArray("3\x01"
                                                         "5")
                                           << nan;
        QTest::newRow("nul inside") << QByteArray("3\0"
                                                  "5",
            3) << nan;
        QTest::newRow("no-break space") << QByteArray("\u00A035") << nan;
        QTest::newRow("full-width letter e") << QByteArray("１ｅ３") << nan;
        QTest::newRow("full-width comma") << QByteArray("１，０００") << nan;
        QTest::newRow("kanji numeral") << QByteArray("三十五") << nan;
        QTest::newRow("Arabic-Indic digit") << QByteArray("\u0663") << nan;
        QTest::newRow("broken UTF-8") << QByteArray("3\xff") << nan;
        QTest::newRow("cut-off full-width digit") << QByteArray("3\xEF\xBC") << nan;

        const Outcome range = Outcome::outOfRange;
        QTest::newRow("one past the top") << QByteArray("32768") << range;
        QTest::newRow("one below the bottom") << QByteArray("-32769") << range;
        QTest::newRow("top's half rounds out") << QByteArray("32767.5") << range;
        QTest::newRow("below the bottom's half") << QByteArray("-32768.51") << range;
        QTest::newRow("huge exponent") << QByteArray("1e400") << range;
        QTest::newRow("many digits") << QByteArray("123456789012345678901234567890") << range;
        QTest::newRow("full-width out of range") << QByteArray("４００００") << range;
    }

    void refusals()
    {
        QFETCH(QByteArray, text);
        QFETCH(Outcome, outcome);
        const reel::ReadResult result
            = reel::readInt16(std::string_view(text.data(), std::size_t(text.size())));
        QCOMPARE(result.outcome, outcome);
        QVERIFY(!result.ok());
    }

    // A box may hold anything pasted into it; long texts are read exactly.
    void longTexts_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<Outcome>("outcome");
        QTest::addColumn<int>("value");

        const QByteArray zeros(1'000'000, '0');
        const QByteArray nines(1'000'000, '9');
        QTest::newRow("a million ones") << QByteArray(1'000'000, '1') << Outcome::outOfRange << 0;
        QTest::newRow("a million leading zeros") << zeros + "42" << Outcome::value << 42;
        QTest::newRow("a half and a far nonzero digit")
            << "2.5" + zeros + "1" << Outcome::value << 3;
        QTest::newRow("a half and a million zeros") << "2.5" + zeros << Outcome::value << 2;
        QTest::newRow("a tiny fraction") << "0." + zeros + "9" << Outcome::value << 0;
        QTest::newRow("a vast exponent") << "1e" + nines << Outcome::outOfRange << 0;
        QTest::newRow("a vast negative exponent") << "1e-" + nines << Outcome::value << 0;
        QTest::newRow("digits shifted back by the exponent")
            << "35" + zeros + "e-1000000" << Outcome::value << 35;
        QTest::newRow("a million blanks") << QByteArray(1'000'000, ' ') << Outcome::notANumber << 0;
        QTest::newRow("garbage at the end") << nines + "x" << Outcome::notANumber << 0;
    }

    void longTexts()
    {
        QFETCH(QByteArray, text);
        QFETCH(Outcome, outcome);
        QFETCH(int, value);
        const reel::ReadResult result = reel::readInt16(text.toStdString());
        QCOMPARE(result.outcome, outcome);
        if (outcome == Outcome::value)
            QCOMPARE(int(result.value), value);
    }
};

QTEST_APPLESS_MAIN(TestReelNumberInput)
#include "tst_reel_numberinput.moc"
