#include "platform/ArrowSpinBox.h"

#include <QLineEdit>
#include <QTest>

class TestArrowSpinBox : public QObject
{
    Q_OBJECT

private slots:
    void keysChangeTheValueOnlyByStepping_data();
    void keysChangeTheValueOnlyByStepping();
};

void TestArrowSpinBox::keysChangeTheValueOnlyByStepping_data()
{
    QTest::addColumn<QString>("keys"); // u = Up, d = Down, anything else typed
    QTest::addColumn<int>("expected");

    QTest::newRow("up steps by one") << "u" << 6;
    QTest::newRow("down steps by one") << "d" << 4;
    QTest::newRow("up stops at the maximum") << "uuuuuuuuuu" << 12;
    QTest::newRow("down stops at the minimum") << "dddddddddd" << 1;
    QTest::newRow("typed digits are ignored") << "9" << 5;
    QTest::newRow("typed text after selecting all is ignored") << "A11" << 5;
}

void TestArrowSpinBox::keysChangeTheValueOnlyByStepping()
{
    QFETCH(QString, keys);
    QFETCH(int, expected);
    ArrowSpinBox spin;
    spin.setRange(1, 12);
    spin.setValue(5);
    spin.show();
    spin.setFocus();
    for (const QChar key : keys) {
        if (key == QLatin1Char('u'))
            QTest::keyClick(&spin, Qt::Key_Up);
        else if (key == QLatin1Char('d'))
            QTest::keyClick(&spin, Qt::Key_Down);
        else if (key == QLatin1Char('A'))
            QTest::keyClick(&spin, Qt::Key_A, Qt::ControlModifier);
        else
            QTest::keyClicks(&spin, QString(key));
    }
    QCOMPARE(spin.value(), expected);
    QCOMPARE(spin.findChild<QLineEdit*>()->text(), QString::number(expected));
}

QTEST_MAIN(TestArrowSpinBox)
#include "tst_ArrowSpinBox.moc"
