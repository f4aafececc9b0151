#include "replay/JsonValueCutter.h"

#include <QBuffer>
#include <QJsonDocument>
#include <QtTest>

// The cutting of a JSON array into the texts of its elements, fed in pieces of
// every size from one byte up, so that a piece ends inside strings, escapes
// and nested values.
class TestJsonValueCutter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void elements_data();
    void elements();
    void elementsParseAsTheWholeArray_data();
    void elementsParseAsTheWholeArray();
    void offsetAfterTheArray();
    void readValue_data();
    void readValue();
};

namespace {

const int PieceSizes[] = { 1, 2, 3, 5, 8, 64 * 1024 };

struct Walk
{
    QByteArrayList elements;
    JsonValueCutter::Result last = JsonValueCutter::Result::Malformed;
};

Walk walk(const QByteArray &text, int pieceSize)
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    JsonValueCutter stream(&buffer, pieceSize);
    Walk result;
    if (!stream.enterArray())
        return result;
    QByteArray element;
    for (int guard = 0; guard < 1000; ++guard) {
        result.last = stream.nextElement(element);
        if (result.last != JsonValueCutter::Result::Value)
            break;
        result.elements.append(element);
    }
    return result;
}

} // namespace

void TestJsonValueCutter::elements_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArrayList>("expected");
    QTest::addColumn<bool>("complete"); // the closing bracket reached, rather than a fault

    QTest::newRow("empty") << QByteArray("[]") << QByteArrayList{} << true;
    QTest::newRow("empty, whitespace everywhere") << QByteArray(" \t\r\n[ \r\n\t]") << QByteArrayList{} << true;
    QTest::newRow("numbers and literals")
        << QByteArray("[1,-2.5e+3,true,false,null]") << QByteArrayList{ "1", "-2.5e+3", "true", "false", "null" }
        << true;
    QTest::newRow("whitespace between elements")
        << QByteArray("[ 1 ,\n\t\"a\"\r\n,{ } ]") << QByteArrayList{ "1", "\"a\"", "{ }" } << true;
    QTest::newRow("strings holding brackets, commas and colons")
        << QByteArray(R"(["a]b", "{x", "c,d", "e:f", "[{"])")
        << QByteArrayList{ R"("a]b")", R"("{x")", R"("c,d")", R"("e:f")", R"("[{")" } << true;
    QTest::newRow("escaped quotes and backslashes")
        << QByteArray(R"(["say \"hi\"", "back\\", "\\\"]\"", {"k\"]": "\\"}])")
        << QByteArrayList{ R"("say \"hi\"")", R"("back\\")", R"("\\\"]\"")", R"({"k\"]": "\\"})" } << true;
    QTest::newRow("unicode escape of a bracket")
        << QByteArray(R"(["\u005d", "\u0022"])") << QByteArrayList{ R"("\u005d")", R"("\u0022")" } << true;
    QTest::newRow("nested arrays and objects")
        << QByteArray(R"([{"a":[1,{"b":"]"}],"c":{}}, [[[]]], [["x", 1], ["y", true]]])")
        << QByteArrayList{ R"({"a":[1,{"b":"]"}],"c":{}})", "[[[]]]", R"([["x", 1], ["y", true]])" } << true;
    QTest::newRow("a screen as the script holds it")
        << QByteArray(R"([{"Txt_B_Adm": "F", "OptInt_Add": true}, [["Txt_1A_FreqAssgn", "98.5"]]])")
        << QByteArrayList{ R"({"Txt_B_Adm": "F", "OptInt_Add": true})", R"([["Txt_1A_FreqAssgn", "98.5"]])" }
        << true;
    QTest::newRow("multi-byte characters")
        << QByteArray("[\"M\xc3\xa9xico\", {\"\xe2\x82\xac\": 1}]")
        << QByteArrayList{ "\"M\xc3\xa9xico\"", "{\"\xe2\x82\xac\": 1}" } << true;

    // Faults: the elements before the fault are given, then Malformed.
    QTest::newRow("truncated before the closing bracket") << QByteArray("[1, 2") << QByteArrayList{ "1", "2" }
                                                          << false;
    QTest::newRow("truncated after a comma") << QByteArray("[1,") << QByteArrayList{ "1" } << false;
    QTest::newRow("truncated inside a string") << QByteArray(R"([1, "abc)") << QByteArrayList{ "1" } << false;
    QTest::newRow("truncated inside an escape") << QByteArray(R"(["abc\)") << QByteArrayList{} << false;
    QTest::newRow("escaped quote leaves the string open")
        << QByteArray(R"([{"a":"\"}])") << QByteArrayList{} << false;
    QTest::newRow("truncated inside a nested value")
        << QByteArray(R"([{"a": [1, {"b": 2}])") << QByteArrayList{} << false;
    QTest::newRow("bracket that closes the wrong value") << QByteArray(R"([{"a": [1}]])") << QByteArrayList{}
                                                         << false;
    QTest::newRow("closing brace for an array") << QByteArray("[[}]") << QByteArrayList{} << false;
    QTest::newRow("trailing comma") << QByteArray("[1,]") << QByteArrayList{ "1" } << false;
    QTest::newRow("leading comma") << QByteArray("[,1]") << QByteArrayList{} << false;
    QTest::newRow("two commas") << QByteArray("[1,,2]") << QByteArrayList{ "1" } << false;
    QTest::newRow("missing comma") << QByteArray(R"([1 2])") << QByteArrayList{ "1" } << false;
    QTest::newRow("missing comma after a string") << QByteArray(R"(["a""b"])") << QByteArrayList{ "\"a\"" }
                                                  << false;
    QTest::newRow("colon in place of a comma") << QByteArray(R"(["a":"b"])") << QByteArrayList{ "\"a\"" }
                                               << false;
    QTest::newRow("closing brace for the array") << QByteArray("[1}") << QByteArrayList{ "1" } << false;
    QTest::newRow("not an array") << QByteArray(R"({"a": 1})") << QByteArrayList{} << false;
    QTest::newRow("nothing") << QByteArray("") << QByteArrayList{} << false;
}

void TestJsonValueCutter::elements()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArrayList, expected);
    QFETCH(bool, complete);

    for (const int pieceSize : PieceSizes) {
        const Walk result = walk(text, pieceSize);
        const QByteArray where = "piece size " + QByteArray::number(pieceSize);
        QVERIFY2(result.elements == expected, (where + ": " + result.elements.join(" | ")).constData());
        QVERIFY2(result.last == (complete ? JsonValueCutter::Result::End : JsonValueCutter::Result::Malformed),
                 where.constData());
    }
}

// Every element of a sound array, parsed on its own, is the value the whole
// array holds at its place.
void TestJsonValueCutter::elementsParseAsTheWholeArray_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("mixed") << QByteArray(R"([ {"a": ["]", "\"", "\\"], "b": {"c": [[], {}]}}, "x\ty", 12.5e-1,
                                             [["Txt_B_Adm", "F"], ["OptInt_Add", true]], null ])");
    QTest::newRow("deep") << QByteArray("[[[[[[[[[[[\"]]]]\"]]]]]]]]]], {\"{\": {\"}\": {\"[\": []}}}]");
}

void TestJsonValueCutter::elementsParseAsTheWholeArray()
{
    QFETCH(QByteArray, text);
    const QJsonArray whole = QJsonDocument::fromJson(text).array();
    QVERIFY(!whole.isEmpty());
    for (const int pieceSize : PieceSizes) {
        const Walk result = walk(text, pieceSize);
        QCOMPARE(result.last, JsonValueCutter::Result::End);
        QCOMPARE(result.elements.size(), whole.size());
        for (int i = 0; i < whole.size(); ++i) {
            QJsonParseError error;
            const QJsonDocument one = QJsonDocument::fromJson("[" + result.elements.at(i) + "]", &error);
            QCOMPARE(error.error, QJsonParseError::NoError);
            QCOMPARE(one.array().at(0), whole.at(i));
        }
    }
}

// The stream stops at the array's closing bracket: what follows is left to
// the caller, and the offset counts the bytes taken.
void TestJsonValueCutter::offsetAfterTheArray()
{
    const QByteArray text = R"(  ["]", {"x": [1]}] , "after")";
    for (const int pieceSize : PieceSizes) {
        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        JsonValueCutter stream(&buffer, pieceSize);
        QVERIFY(stream.enterArray());
        QCOMPARE(stream.offset(), text.indexOf('[') + 1);
        QByteArray element;
        QCOMPARE(stream.nextElement(element), JsonValueCutter::Result::Value);
        QCOMPARE(stream.nextElement(element), JsonValueCutter::Result::Value);
        QCOMPARE(stream.nextElement(element), JsonValueCutter::Result::End);
        QCOMPARE(stream.offset(), text.indexOf("] ,") + 1);
        stream.skipWhitespace();
        QVERIFY(stream.take(','));
        QByteArray rest;
        QVERIFY(stream.readValue(&rest));
        QCOMPARE(rest, QByteArray(R"("after")"));
        QVERIFY(stream.atEnd());
        QCOMPARE(stream.offset(), text.size());
    }
}

// One value, as the keys and values of the script's object are read.
void TestJsonValueCutter::readValue_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<bool>("read");
    QTest::addColumn<QByteArray>("value");

    QTest::newRow("key with an escaped quote") << QByteArray(R"( "no\"tices": 1)") << true
                                               << QByteArray(R"("no\"tices")");
    QTest::newRow("number up to the comma") << QByteArray("-12.5,") << true << QByteArray("-12.5");
    QTest::newRow("number up to the end") << QByteArray("7") << true << QByteArray("7");
    QTest::newRow("object") << QByteArray(R"({"a": "}"} x)") << true << QByteArray(R"({"a": "}"})");
    QTest::newRow("unterminated string") << QByteArray(R"("abc)") << false << QByteArray();
    QTest::newRow("unterminated object") << QByteArray(R"({"a": 1)") << false << QByteArray();
    QTest::newRow("a comma is no value") << QByteArray(", 1") << false << QByteArray();
    QTest::newRow("nothing") << QByteArray("  ") << false << QByteArray();
}

void TestJsonValueCutter::readValue()
{
    QFETCH(QByteArray, text);
    QFETCH(bool, read);
    QFETCH(QByteArray, value);

    for (const int pieceSize : PieceSizes) {
        QBuffer buffer;
        buffer.setData(text);
        buffer.open(QIODevice::ReadOnly);
        JsonValueCutter stream(&buffer, pieceSize);
        QByteArray got;
        QCOMPARE(stream.readValue(&got), read);
        if (read)
            QCOMPARE(got, value);
    }
}

QTEST_GUILESS_MAIN(TestJsonValueCutter)

#include "tst_jsonvaluecutter.moc"
