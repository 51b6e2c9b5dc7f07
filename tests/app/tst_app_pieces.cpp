// The window's small rules on their own: the application title, where the
// window goes on the screen, the error box text.

#include "application_title.h"
#include "error_box.h"
#include "window_placement.h"

#include <QTest>

class AppPiecesTest : public QObject {
    Q_OBJECT

private slots:
    void applicationTitle_data();
    void applicationTitle();
    void fittedWindowRect_data();
    void fittedWindowRect();
    void errorBoxTextAddsFullStopByTheRule_data();
    void errorBoxTextAddsFullStopByTheRule();
    void errorBoxTextFoldsLinesPastTwenty();
};

void AppPiecesTest::applicationTitle_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("title");
    QTest::newRow("plain name") << "/usr/bin/stepresponse" << "stepresponse";
    QTest::newRow("first character kept, rest lowered") << "/opt/StepResponse" << "Stepresponse";
    QTest::newRow("cut at the first full stop") << "/opt/Step.Response.exe" << "Step";
    QTest::newRow("folder with a full stop") << "/opt/v1.2/PROGRAM" << "Program";
    QTest::newRow("Cyrillic") << "/opt/ПЕРЕХОД.bin" << "Переход";
    QTest::newRow("name starting with a full stop") << "/opt/.hidden" << "";
}

void AppPiecesTest::applicationTitle()
{
    QFETCH(QString, path);
    QFETCH(QString, title);
    QCOMPARE(::applicationTitle(path), title);
}

void AppPiecesTest::fittedWindowRect_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("fitted");
    const QRect stored(155, 362, 892, 490);
    QTest::newRow("fits: stays") << QRect(0, 0, 1280, 1024) << stored;
    QTest::newRow("fits exactly") << QRect(155, 362, 892, 490) << stored;
    QTest::newRow("too low: moves up") << QRect(0, 0, 1280, 800) << QRect(155, 310, 892, 490);
    QTest::newRow("too far right: moves left") << QRect(0, 0, 1000, 1024) << QRect(108, 362, 892, 490);
    QTest::newRow("area below a top panel") << QRect(0, 400, 1920, 1000) << QRect(155, 400, 892, 490);
    QTest::newRow("area right of a side panel") << QRect(200, 0, 1720, 1080) << QRect(200, 362, 892, 490);
    QTest::newRow("too large: top-left corner on the area") << QRect(0, 0, 800, 400) << QRect(0, 0, 892, 490);
    QTest::newRow("second screen to the left") << QRect(-1280, 0, 1280, 1024) << QRect(-892, 362, 892, 490);
}

void AppPiecesTest::fittedWindowRect()
{
    QFETCH(QRect, available);
    QFETCH(QRect, fitted);
    QCOMPARE(::fittedWindowRect(QRect(155, 362, 892, 490), available), fitted);
}

void AppPiecesTest::errorBoxTextAddsFullStopByTheRule_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("text");
    QTest::newRow("letter") << "Floating point overflow" << "Floating point overflow.";
    QTest::newRow("quote") << "'x' is not a valid floating point value" << "'x' is not a valid floating point value.";
    QTest::newRow("full stop") << "Done." << "Done.";
    QTest::newRow("comma is below the full stop") << "a," << "a,";
    QTest::newRow("Cyrillic") << "Шаг слишком мал" << "Шаг слишком мал.";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("two line breaks kept") << "'1\n2\n' is bad" << "'1\n2\n' is bad.";
}

void AppPiecesTest::errorBoxTextAddsFullStopByTheRule()
{
    QFETCH(QString, message);
    QFETCH(QString, text);
    QCOMPARE(errorBoxText(message.toStdString()), text);
}

void AppPiecesTest::errorBoxTextFoldsLinesPastTwenty()
{
    QStringList lines;
    for (int i = 1; i <= 25; ++i)
        lines << QString::number(i);
    const QString text = errorBoxText(lines.join(u'\n').toStdString());
    const QStringList shown = text.split(u'\n');
    QCOMPARE(shown.size(), 20);
    QCOMPARE(shown.first(), "1");
    QCOMPARE(shown[18], "19");
    QCOMPARE(shown.last(), "20 21 22 23 24 25.");
}

QTEST_GUILESS_MAIN(AppPiecesTest)
#include "tst_app_pieces.moc"
