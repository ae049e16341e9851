#include "support/TestHost.h"
#include "support/TestMain.h"
#include "toolbar/ImageList.h"
#include "toolbar/ToolbarItemDelegate.h"
#include "toolbar/ToolbarModel.h"

#include <QPainter>
#include <QStandardItemModel>

class TestToolbarItemDelegate : public QObject
{
    Q_OBJECT

private slots:
    void drawsImageAndLight_data();
    void drawsImageAndLight();
};

void TestToolbarItemDelegate::drawsImageAndLight_data()
{
    QTest::addColumn<int>("imageIndex");
    QTest::addColumn<bool>("underMouse");
    QTest::addColumn<bool>("image");
    QTest::addColumn<bool>("lit");

    QTest::newRow("image from the list") << 2 << false << true << false;
    QTest::newRow("under the mouse: lit") << 2 << true << true << true;
    QTest::newRow("index beyond the list: no image") << 4 << false << false << false;
    QTest::newRow("negative index: no image") << -1 << true << false << true;
}

void TestToolbarItemDelegate::drawsImageAndLight()
{
    QFETCH(int, imageIndex);
    QFETCH(bool, underMouse);
    QFETCH(bool, image);
    QFETCH(bool, lit);
    const TestHost host;
    host.writeStrip(64);
    ImageList images;
    images.addStrip(QImage(host.path(HostFile::ImageStrip)));
    ToolbarItemDelegate delegate(images, nullptr);
    QStandardItemModel model;
    auto* item = new QStandardItem(QString());
    item->setData(imageIndex, ToolbarModel::ImageIndexRole);
    model.appendRow(item);
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 100, 20);
    option.state = QStyle::State_Enabled;
    if (underMouse)
        option.state |= QStyle::State_MouseOver;
    QVERIFY(delegate.sizeHint(option, model.index(0, 0)).height() >= 16);
    QImage canvas(100, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    delegate.paint(&painter, option, model.index(0, 0));
    painter.end();
    // The nearest image of the list is the one a wrong index would most likely draw.
    const QColor nearest = stripColour(std::clamp(imageIndex, 0, images.count() - 1));
    bool imageSeen = false;
    for (int x = 0; x < 100; ++x)
        imageSeen = imageSeen || canvas.pixelColor(x, 10) == nearest;
    QCOMPARE(imageSeen, image);
    QCOMPARE(canvas.pixelColor(99, 0) != QColor(Qt::white), lit);
}

HALVEX_TEST_MAIN(TestToolbarItemDelegate)
#include "tst_ToolbarItemDelegate.moc"
