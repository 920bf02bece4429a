// SPDX-License-Identifier: GPL-3.0-or-later
#include "CodeAlphabet.h"
#include "DesignCode.h"
#include "DesignRows.h"

#include <QtTest>

#include <random>

namespace {

Design randomDesign(int columns, int rows, unsigned seed, int givens)
{
    std::mt19937 random(seed);
    Design design = Design::blank(columns, rows);
    for (unsigned char& cell : design.cells)
        cell = random() % 2;
    for (int i = 0; i < givens; ++i)
        design.setGiven(int(random() % unsigned(columns)), int(random() % unsigned(rows)), true);
    return design;
}

DesignCode::Problem problemOf(const std::string& text)
{
    DesignCode::Problem why = DesignCode::Problem::None;
    const std::optional<Design> design = DesignCode::read(text, why);
    return design ? DesignCode::Problem::None : why;
}

} // namespace

class TestDesignCode : public QObject {
    Q_OBJECT

private slots:
    // Every size's last cells matter: a picture whose cell count is no multiple of five, its
    // last column and last row filled, and the largest size, with givens and without.
    void aDesignComesBackFromItsCode()
    {
        const int sizes[][2] = {{5, 5}, {7, 7}, {6, 9}, {13, 5}, {30, 30}, {33, 31}, {60, 60}};
        unsigned seed = 1;
        for (const auto& size : sizes)
            for (const int givens : {0, 1, 4}) {
                Design design = randomDesign(size[0], size[1], seed++, givens);
                for (int y = 0; y < design.rows; ++y)
                    design.set(design.columns - 1, y, true);
                for (int x = 0; x < design.columns; ++x)
                    design.set(x, design.rows - 1, true);
                const std::string code = DesignCode::of(design);
                DesignCode::Problem why;
                const std::optional<Design> read = DesignCode::read(code, why);
                QVERIFY2(read, code.c_str());
                QVERIFY2(read->samePicture(design), code.c_str());
            }
        Design frame = designOf({"#####", "#...#", "#...#", "#...#", "#####"});
        QCOMPARE(DesignCode::of(frame).substr(0, 6), std::string("5x5-D-"));
        DesignCode::Problem why;
        const std::optional<Design> read = DesignCode::read(DesignCode::of(frame), why);
        QVERIFY(read && read->filled(4, 4) && !read->filled(2, 2));
    }

    void aCodeIsShortEnoughForAChat()
    {
        QVERIFY(DesignCode::of(randomDesign(30, 30, 7, 0)).size() <= 189);
        QCOMPARE(DesignCode::of(randomDesign(10, 10, 7, 0)).size(), std::size_t(8 + 20 + 1));
    }

    // As typed or pasted: in small letters, with O for 0 and I for 1, and wrapped by a chat.
    void aCodeIsReadAsPeopleCopyIt()
    {
        const Design design = randomDesign(12, 8, 3, 2);
        const std::string code = DesignCode::of(design);
        std::string lower;
        for (const char c : code)
            lower += char(std::tolower(static_cast<unsigned char>(c)));
        const std::string wrapped = "  " + lower.substr(0, 15) + "\r\n" + lower.substr(15) + "\n";
        DesignCode::Problem why;
        QVERIFY(DesignCode::read(wrapped, why)->samePicture(design));
        std::string lookalikes = code;
        for (std::size_t i = 6; i < lookalikes.size(); ++i) {
            if (lookalikes[i] == '0')
                lookalikes[i] = 'O';
            if (lookalikes[i] == '1')
                lookalikes[i] = 'I';
        }
        QVERIFY(DesignCode::read(lookalikes, why)->samePicture(design));
        QVERIFY(DesignCode::looksLikeOne(wrapped));
        QVERIFY(!DesignCode::looksLikeOne("10x10-1111D"));
        QVERIFY(!DesignCode::looksLikeOne("30x30-H-7QK2M4C"));
    }

    // Any one digit mistyped and any two neighbours swapped are refused, never read as
    // another picture.
    void aMistypedCodeIsRefused()
    {
        const Design design = randomDesign(10, 10, 11, 3);
        const std::string code = DesignCode::of(design);
        const std::size_t first = code.find("-D-") + 3;
        for (std::size_t i = first; i < code.size(); ++i) {
            if (code[i] == '-')
                continue;
            for (const char digit : std::string(CodeAlphabet::digits)) {
                if (CodeAlphabet::digitOf(digit) == CodeAlphabet::digitOf(code[i])
                    || std::abs(CodeAlphabet::digitOf(digit) - CodeAlphabet::digitOf(code[i])) == 31)
                    continue;
                std::string typo = code;
                typo[i] = digit;
                QVERIFY2(problemOf(typo) != DesignCode::Problem::None, typo.c_str());
            }
            if (i + 1 < code.size() && code[i] != code[i + 1] && code[i + 1] != '-') {
                std::string swapped = code;
                std::swap(swapped[i], swapped[i + 1]);
                QVERIFY2(problemOf(swapped) != DesignCode::Problem::None, swapped.c_str());
            }
        }
    }

    void whyATextIsNoDesign()
    {
        const std::string code = DesignCode::of(randomDesign(10, 10, 5, 0));
        QCOMPARE(problemOf("10x10-1111D"), DesignCode::Problem::NotADesign);
        QCOMPARE(problemOf(""), DesignCode::Problem::NotADesign);
        QCOMPARE(problemOf("4x10-D-00000000C"), DesignCode::Problem::SizeOutOfRange);
        QCOMPARE(problemOf("61x10-D-00000000C"), DesignCode::Problem::SizeOutOfRange);
        QCOMPARE(problemOf(code.substr(0, code.size() - 2) + code.back()), DesignCode::Problem::WrongLength);
        QCOMPARE(problemOf(code + "0"), DesignCode::Problem::WrongLength);
        QCOMPARE(problemOf(code.substr(0, 12) + "U" + code.substr(13)), DesignCode::Problem::BadCharacter);
        QCOMPARE(problemOf(code.substr(0, code.size() - 1) + "-"), DesignCode::Problem::WrongLength);
        // The same picture with a 5x20 size is another count of cells per line: refused.
        QVERIFY(problemOf("20x5" + code.substr(5)) != DesignCode::Problem::None);

        // A given off the picture or given twice, with a check digit that fits.
        Design given = randomDesign(5, 5, 9, 0);
        given.givens = {{4, 4}};
        std::string valid = DesignCode::of(given);
        QCOMPARE(problemOf(valid), DesignCode::Problem::None);
        given.givens = {{4, 4}, {4, 4}};
        QCOMPARE(problemOf(DesignCode::of(given)), DesignCode::Problem::BadGiven);
        given.givens = {{4, 5}};
        QCOMPARE(problemOf(DesignCode::of(given)), DesignCode::Problem::BadGiven);
    }
};

QTEST_APPLESS_MAIN(TestDesignCode)
#include "test_design_code.moc"
