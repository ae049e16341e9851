#include "support/Controls.h"
#include "support/DialogAnswerer.h"
#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/CategoryDialog.h"
#include "toolbar/ImageList.h"
#include "toolbar/TagDialog.h"

#include <QLabel>
#include <QListView>
#include <QSpinBox>

// The picker as the tag and category dialogs open it: every way in, every way to choose, and
// the image the dialog then returns.
class TestImagePicker : public QObject
{
    Q_OBJECT

private slots:
    void dialogReturnsThePickedImage_data();
    void dialogReturnsThePickedImage();
    void stripsOfOneImageOrNone();
};

void TestImagePicker::dialogReturnsThePickedImage_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("open");       // F4, Alt+Down or click
    QTest::addColumn<QStringList>("choose"); // keys, or "click N" on the image counted from 0
    QTest::addColumn<int>("image");          // returned on OK; the tag came with image 3

    // A strip of 12 images, 8 to a row.
    QTest::newRow("F4, Right, Enter") << "tag" << "F4" << QStringList{"Right", "Return"} << 4;
    QTest::newRow("Alt+Down, Down a row")
        << "tag" << "Alt+Down" << QStringList{"Down", "Return"} << 11;
    QTest::newRow("Home and End") << "tag" << "F4" << QStringList{"End", "Home", "Return"} << 0;
    QTest::newRow("a click on the image, a click in the grid")
        << "tag" << "click" << QStringList{"click 9"} << 9;
    // The number once changed as the selection moved, before anything was taken.
    QTest::newRow("Esc keeps the number") << "tag" << "F4" << QStringList{"End", "Escape"} << 3;
    QTest::newRow("category dialog") << "category" << "F4" << QStringList{"Left", "Return"} << 2;
}

void TestImagePicker::dialogReturnsThePickedImage()
{
    QFETCH(QString, dialog);
    QFETCH(QString, open);
    QFETCH(QStringList, choose);
    QFETCH(int, image);
    const TestHost host;
    host.writeStrip(192);
    ImageList images;
    images.addStrip(QImage(host.path(HostFile::ImageStrip)));
    DialogAnswerer answerer;
    answerer.expect([&](QDialog& window) {
        auto* spin = control<QSpinBox>(window, QStringLiteral("imageIndexSpin"));
        if (open == QLatin1String("click"))
            QTest::mouseClick(control<QLabel>(window, QStringLiteral("imageView")), Qt::LeftButton);
        else
            QTest::keyClick(spin, open == QLatin1String("F4") ? Qt::Key_F4 : Qt::Key_Down,
                            open == QLatin1String("F4") ? Qt::NoModifier : Qt::AltModifier);
        QCOMPARE(spin->value(), image + 1);
        clickOk(window);
    });
    answerer.expect([&](QDialog& picker) {
        auto* grid = control<QListView>(picker, QStringLiteral("imageGrid"));
        QCOMPARE(grid->currentIndex().row(), 3);
        QCOMPARE(grid->model()->index(3, 0).data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("Image 4"));
        for (const QString& step : choose) {
            if (step.startsWith(QLatin1String("click "))) {
                const QModelIndex target = grid->model()->index(step.mid(6).toInt(), 0);
                QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                                  grid->visualRect(target).center());
            } else {
                QTest::keyClick(grid, Qt::Key(QKeySequence(step)[0].key()));
            }
        }
    });
    int returned = -1;
    if (dialog == QLatin1String("tag")) {
        if (const auto tag = TagDialog::edit(nullptr, ToolbarTag({}, {}, 3), images))
            returned = tag->image();
    } else if (const auto category =
                   CategoryDialog::edit(nullptr, ToolbarCategory({}, 3, {}), images)) {
        returned = category->image();
    }
    QCOMPARE(returned, image);
}

// One image is still a picker; none is said in a message, and the index the tag had survives.
void TestImagePicker::stripsOfOneImageOrNone()
{
    ImageList one;
    one.addStrip(QImage(16, 16, QImage::Format_ARGB32));
    ImageList none;
    DialogAnswerer answerer;
    answerer.expect([](QDialog& picker) {
        auto* grid = control<QListView>(picker, QStringLiteral("imageGrid"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QTest::keyClick(grid, Qt::Key_Return);
    });
    answerer.expectMessage();
    TagDialog single(nullptr, ToolbarTag({}, {}, 5), one);
    QTest::keyClick(control(single, QStringLiteral("imageIndexSpin")), Qt::Key_F4);
    QCOMPARE(single.tag().image(), 0);
    TagDialog empty(nullptr, ToolbarTag({}, {}, 5), none);
    QTest::mouseClick(control<QLabel>(empty, QStringLiteral("imageView")), Qt::LeftButton);
    QCOMPARE(answerer.messages(),
             QStringList{QStringLiteral("The image strip holds no images to choose from.")});
    QCOMPARE(empty.tag().image(), 5);
}

HALVEX_TEST_MAIN(TestImagePicker)
#include "tst_ImagePicker.moc"
