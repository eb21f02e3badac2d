// Pictures of table fields decoded within limits.
#include "browse/Pictures.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

#include <stdexcept>

namespace {

QByteArray png(int width, int height)
{
    QImage image(width, height, QImage::Format_Mono);
    image.fill(0);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

class TestPictures : public QObject {
    Q_OBJECT
private slots:
    void decodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("refusal"); // empty: decoded
        QTest::newRow("a figure") << png(560, 330) << "";
        QTest::newRow("the largest side") << png(2048, 20) << "";
        QTest::newRow("a picture bomb") << png(5500, 5500)
                                        << "TOL.DB, row 3 holds a picture of 5500 × 5500 pixels; a picture of the "
                                           "catalogue has at most 2048 each way";
        QTest::newRow("one pixel too tall") << png(10, 2049) << "holds a picture of 10 × 2049 pixels";
        QTest::newRow("no picture") << QByteArray("\x89PNG not really") << "TOL.DB, row 3 holds no picture that can be shown";
    }
    void decodes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, refusal);
        try {
            const QImage image = pictures::decode(bytes, QStringLiteral("TOL.DB, row 3"));
            QVERIFY2(refusal.isEmpty(), "decoded");
            QVERIFY(!image.isNull());
        } catch (const std::runtime_error &e) {
            QVERIFY2(!refusal.isEmpty(), e.what());
            QVERIFY2(QString::fromUtf8(e.what()).contains(refusal), e.what());
        }
    }
};

QTEST_GUILESS_MAIN(TestPictures)
#include "tst_pictures.moc"
