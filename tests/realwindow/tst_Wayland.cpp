#include "common/Modal.h"
#include "support/EveryWindow.h"
#include "support/TestMain.h"

#include <QDir>

namespace {

QStringList warnings;

void keepWarnings(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        warnings.append(message);
}

} // namespace

// Under a Wayland compositor, where a program cannot place its windows: every window opens,
// shows and closes, nothing is printed on the way, and no placement is kept, since the
// positions that Wayland gives are not where the windows stand.
class TestWayland : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyWindowOpensQuietly_data();
    void everyWindowOpensQuietly();

private:
    std::unique_ptr<DemoHost> m_host;
};

void TestWayland::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
             "run under Wayland");
    m_host = std::make_unique<DemoHost>();
}

void TestWayland::everyWindowOpensQuietly_data()
{
    addEveryWindowRows();
}

void TestWayland::everyWindowOpensQuietly()
{
    QFETCH(QString, window);
    warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepWarnings);
    bool exposed = false;
    Modal::setHook([&](QDialog& shown) {
        exposed = QTest::qWaitForWindowExposed(&shown);
        shown.reject();
    });
    std::unique_ptr<QDialog> opened = makeWindow(window, *m_host);
    const int result = Modal::exec(*opened);
    opened.reset();
    Modal::setHook({});
    qInstallMessageHandler(previous);
    QVERIFY(exposed);
    QCOMPARE(result, int(QDialog::Rejected));
    QVERIFY2(warnings.isEmpty(), qPrintable(warnings.join('\n')));
    const QDir settings(m_host->profile.folder() + QStringLiteral("/config/TarvelSoftware"));
    QCOMPARE(settings.entryList(QDir::Files), QStringList{"Tarvel Halvex.conf"});
}

HALVEX_WINDOW_SYSTEM_TEST_MAIN(TestWayland, "WAYLAND_DISPLAY")
#include "tst_Wayland.moc"
