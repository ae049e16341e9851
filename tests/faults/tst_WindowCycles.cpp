#include "common/Modal.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"

// Opens and closes every window many times. Under LeakSanitizer (the sanitizer build of the
// suite) anything a window fails to release is reported when the test ends.
class TestWindowCycles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void everyWindowOpensAndClosesCleanly_data();
    void everyWindowOpensAndClosesCleanly();

private:
    std::unique_ptr<DemoHost> m_host;
};

void TestWindowCycles::initTestCase()
{
    m_host = std::make_unique<DemoHost>();
    // Every window shown here is closed at once by its cancel path.
    Modal::setHook([](QDialog& window) { window.reject(); });
}

void TestWindowCycles::cleanupTestCase()
{
    Modal::setHook({});
    m_host.reset();
}

void TestWindowCycles::everyWindowOpensAndClosesCleanly_data()
{
    addEveryWindowRows();
}

void TestWindowCycles::everyWindowOpensAndClosesCleanly()
{
    QFETCH(QString, window);
    for (int i = 0; i < 40; ++i) {
        const std::unique_ptr<QDialog> shown = makeWindow(window, *m_host);
        Modal::exec(*shown);
    }
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

HALVEX_TEST_MAIN(TestWindowCycles)
#include "tst_WindowCycles.moc"
