// The outline files for CAD, read back: the DXF through dxflib's own reader
// (one closed outline of lines and arcs on its layer, whose area and second
// moments are the catalogue's, placed as the property sheet draws the
// section, the axes on theirs), the SVG through its XML; and what neither
// may leave behind when it fails.
#include "cad/OutlineFile.h"
#include "cad/SectionDrawing.h"
#include "data/SectionFamily.h"
#include "data/Table.h"

#include <dl_creationadapter.h>
#include <dl_dxf.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

#include <cmath>
#include <map>
#include <memory>

namespace {

constexpr double kPi = 3.14159265358979323846;

struct Point {
    double x, y;
};

// What dxflib reads from the file.
class DxfContent : public DL_CreationAdapter {
public:
    struct Piece {
        std::string layer;
        std::vector<Point> points; // along the entity, from its start
    };
    struct Text {
        std::string layer;
        std::string text;
        Point at;
    };
    std::vector<Piece> lines, arcs;
    std::vector<Text> texts;
    std::vector<std::string> layers;
    std::map<std::string, int> ints;

    void addLayer(const DL_LayerData &d) override { layers.push_back(d.name); }
    void addLine(const DL_LineData &d) override
    {
        lines.push_back({getAttributes().getLayer(), {{d.x1, d.y1}, {d.x2, d.y2}}});
    }
    // An arc as fine chords, 0.05 degree apart, counter-clockwise from its
    // first angle to its second as DXF draws arcs.
    void addArc(const DL_ArcData &d) override
    {
        double sweep = d.angle2 - d.angle1;
        if (sweep <= 0)
            sweep += 360;
        const int n = std::max(16, int(std::ceil(sweep / 0.05)));
        Piece p{getAttributes().getLayer(), {}};
        for (int i = 0; i <= n; ++i) {
            const double a = (d.angle1 + sweep * i / n) * kPi / 180;
            p.points.push_back({d.cx + d.radius * std::cos(a), d.cy + d.radius * std::sin(a)});
        }
        arcs.push_back(p);
    }
    void addText(const DL_TextData &d) override { texts.push_back({getAttributes().getLayer(), d.text, {d.apx, d.apy}}); }
    void setVariableInt(const std::string &key, int value, int) override { ints[key] = value; }
};

DxfContent readDxf(const QString &path)
{
    DxfContent content;
    DL_Dxf dxf;
    if (!dxf.in(QFile::encodeName(path).toStdString(), &content))
        qWarning("dxflib could not read %s", qPrintable(path));
    return content;
}

// Area, centroid and second moments about the centroid of a closed polygon,
// whichever way it runs.
struct Moments {
    double A = 0, xc = 0, yc = 0;
    double Ixx = 0; // integral of (y - yc)^2
    double Iyy = 0; // integral of (x - xc)^2
};

Moments polygonMoments(const std::vector<Point> &ring)
{
    double a = 0, mx = 0, my = 0, mxx = 0, myy = 0;
    for (size_t i = 0; i < ring.size(); ++i) {
        const Point p = ring[i], q = ring[(i + 1) % ring.size()];
        const double c = p.x * q.y - q.x * p.y;
        a += c / 2;
        mx += c * (p.x + q.x) / 6;
        my += c * (p.y + q.y) / 6;
        mxx += c * (p.x * p.x + p.x * q.x + q.x * q.x) / 12;
        myy += c * (p.y * p.y + p.y * q.y + q.y * q.y) / 12;
    }
    const double s = a < 0 ? -1 : 1;
    Moments m;
    m.A = s * a;
    m.xc = mx / a;
    m.yc = my / a;
    m.Iyy = s * mxx - m.A * m.xc * m.xc;
    m.Ixx = s * myy - m.A * m.yc * m.yc;
    return m;
}

bool near(Point p, Point q) { return std::hypot(p.x - q.x, p.y - q.y) < 1e-6; }

// Walks the pieces end to end from the first one. Empty when they do not
// make one closed chain: an end that meets no other piece or more than one,
// or pieces left over.
std::vector<Point> closedChain(std::vector<DxfContent::Piece> pieces, QString &problem)
{
    if (pieces.empty()) {
        problem = QStringLiteral("no outline");
        return {};
    }
    std::vector<Point> ring = pieces.front().points;
    std::vector<bool> used(pieces.size(), false);
    used[0] = true;
    for (size_t step = 1; step < pieces.size(); ++step) {
        const Point end = ring.back();
        int found = -1, matches = 0;
        bool reversed = false;
        for (size_t i = 0; i < pieces.size(); ++i) {
            if (used[i])
                continue;
            if (near(pieces[i].points.front(), end)) {
                found = int(i), reversed = false, ++matches;
            } else if (near(pieces[i].points.back(), end)) {
                found = int(i), reversed = true, ++matches;
            }
        }
        if (matches != 1) {
            problem = QStringLiteral("%1 pieces meet at (%2, %3)").arg(matches).arg(end.x).arg(end.y);
            return {};
        }
        used[size_t(found)] = true;
        std::vector<Point> next = pieces[size_t(found)].points;
        if (reversed)
            std::reverse(next.begin(), next.end());
        ring.insert(ring.end(), next.begin() + 1, next.end());
    }
    if (!near(ring.back(), ring.front())) {
        problem = QStringLiteral("the outline does not close");
        return {};
    }
    ring.pop_back();
    return ring;
}

// The filled outline of an SVG file in drawing coordinates (the path's own,
// under the group's transform), its cubic curves cut into fine chords, and
// what the file says of its size.
struct SvgContent {
    QString width, height, viewBox, title, transform;
    std::vector<Point> ring;
};

SvgContent readSvg(const QString &path)
{
    SvgContent content;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return content;
    QXmlStreamReader xml(&file);
    QStringList transforms;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == u"g")
            transforms.removeLast();
        if (!xml.isStartElement())
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        if (xml.name() == u"svg") {
            content.width = a.value("width").toString();
            content.height = a.value("height").toString();
            content.viewBox = a.value("viewBox").toString();
        } else if (xml.name() == u"title") {
            content.title = xml.readElementText();
        } else if (xml.name() == u"g") {
            transforms << a.value("transform").toString();
        } else if (xml.name() == u"path" && content.ring.empty() && !transforms.isEmpty()) {
            content.transform = transforms.last();
            // M x,y, then L x,y and C x1,y1 x2,y2 x,y; numbers as the
            // generator writes them.
            const QStringList tokens =
                a.value("d").toString().split(QRegularExpression("[ ,]+|(?=[MLCZ])|(?<=[MLCZ])"), Qt::SkipEmptyParts);
            QChar command;
            std::vector<double> numbers;
            const auto flush = [&] {
                if (command == u'M' || command == u'L') {
                    for (size_t i = 0; i + 1 < numbers.size(); i += 2)
                        content.ring.push_back({numbers[i], numbers[i + 1]});
                } else if (command == u'C') {
                    for (size_t i = 0; i + 5 < numbers.size(); i += 6) {
                        const Point p0 = content.ring.back();
                        const Point p1{numbers[i], numbers[i + 1]}, p2{numbers[i + 2], numbers[i + 3]},
                                    p3{numbers[i + 4], numbers[i + 5]};
                        for (int k = 1; k <= 64; ++k) {
                            const double t = k / 64.0, u = 1 - t;
                            content.ring.push_back({u * u * u * p0.x + 3 * u * u * t * p1.x + 3 * u * t * t * p2.x + t * t * t * p3.x,
                                                    u * u * u * p0.y + 3 * u * u * t * p1.y + 3 * u * t * t * p2.y + t * t * t * p3.y});
                        }
                    }
                }
                numbers.clear();
            };
            for (const QString &t : tokens) {
                if (t.size() == 1 && t[0].isLetter()) {
                    flush();
                    command = t[0];
                } else {
                    numbers.push_back(t.toDouble());
                }
            }
            flush();
            if (content.ring.size() > 1 && near(content.ring.front(), content.ring.back()))
                content.ring.pop_back();
        }
    }
    return content;
}

QString appDir() { return qEnvironmentVariable("TOLMO_APPDIR"); }

// The drawing of a size of the catalogue's own tables, and its row's values.
struct CatalogueSize {
    cad::SectionDrawing drawing;
    std::map<QString, double> values;
};

CatalogueSize catalogueSize(const QString &key, const QString &designation, const QStringList &fields)
{
    const FamilyInfo &family = *familyByKey(key);
    Table table(*family.table());
    table.setDirectory(appDir());
    table.setFileName(QString::fromLatin1(family.tableFile));
    table.open();
    if (!table.locate(QStringLiteral("Designation"), {designation}))
        throw std::runtime_error(("no " + designation + " in " + family.tableFile).toStdString());
    CatalogueSize size{cad::sectionDrawing(family, table.record(table.currentRow())), {}};
    for (const QString &f : fields)
        size.values[f] = table.field(f).asFloat();
    return size;
}

} // namespace

class TestOutlineFile : public QObject {
    Q_OBJECT
private:
    QTemporaryDir m_dir;

    QString path(const QString &name) const { return QDir(m_dir.path()).filePath(name); }

    // One size of every family, from the catalogue's own tables.
    static void sizes()
    {
        QTest::addColumn<QString>("family");
        QTest::addColumn<QString>("designation");
        // The catalogue's second moments about the axis drawn horizontally
        // (y) and vertically (z); an angle stores one for both legs.
        QTest::addColumn<QString>("IyField");
        QTest::addColumn<QString>("IzField");
        // Where the sheet puts the outline: its width and height, and,
        // where the centroid is off the middle, the field (cm) giving the
        // distance from the back of the web, or the heel, to the centroid.
        QTest::addColumn<QString>("widthField");
        QTest::addColumn<QString>("heightField");
        QTest::addColumn<QString>("fromLeftField");
        QTest::addColumn<QString>("fromTopField");
        QTest::addColumn<QStringList>("axes");
        const QStringList yz{"y", "z"};
        QTest::newRow("HEA 200") << "HEA" << "HEA 200" << "Iy" << "Iz" << "b" << "h" << "" << "" << yz;
        QTest::newRow("HEB 300") << "HEB" << "HEB 300" << "Iy" << "Iz" << "b" << "h" << "" << "" << yz;
        QTest::newRow("HEM 400") << "HEM" << "HEM 400" << "Iy" << "Iz" << "b" << "h" << "" << "" << yz;
        QTest::newRow("IPE 300") << "IPE" << "IPE 300" << "Iy" << "Iz" << "b" << "h" << "" << "" << yz;
        QTest::newRow("IPN 200") << "IPN" << "IPN 200" << "Iy" << "Iz" << "B" << "H" << "" << "" << yz;
        // The channel's web on the left, flanges to the right.
        QTest::newRow("UPN 100") << "UPN" << "UPN 100" << "Iy" << "Iz" << "B" << "H" << "ys" << "" << yz;
        // The angle's heel at the top left, legs running right and down,
        // and its principal axes.
        QTest::newRow("L 100x100x10") << "ANG" << "L 100x100x10" << "Iy" << "Iy" << "H" << "H" << "ys" << "ys"
                                      << QStringList{"y", "z", "u", "v"};
        QTest::newRow("L 20x20x3") << "ANG" << "L 20x20x3" << "Iy" << "Iy" << "H" << "H" << "ys" << "ys"
                                   << QStringList{"y", "z", "u", "v"};
    }

    // The size of the current data row.
    static CatalogueSize currentSize()
    {
        QFETCH(QString, family);
        QFETCH(QString, designation);
        QFETCH(QString, IyField);
        QFETCH(QString, IzField);
        QFETCH(QString, widthField);
        QFETCH(QString, heightField);
        QFETCH(QString, fromLeftField);
        QFETCH(QString, fromTopField);
        QStringList fields{"A", IyField, IzField, widthField, heightField};
        for (const QString &f : {fromLeftField, fromTopField})
            if (!f.isEmpty())
                fields << f;
        return catalogueSize(family, designation, fields);
    }

    // An outline read back from a file against the catalogue: area and
    // second moments within 0.5 %, the centroid at the origin, and placed
    // as the sheet draws it, to within `placed` mm.
    static void checkOutline(const std::vector<Point> &ring, const CatalogueSize &size, double placed)
    {
        QFETCH(QString, IyField);
        QFETCH(QString, IzField);
        QFETCH(QString, widthField);
        QFETCH(QString, heightField);
        QFETCH(QString, fromLeftField);
        QFETCH(QString, fromTopField);
        const Moments m = polygonMoments(ring);
        const auto within = [](double got, double expected, double tolerance) {
            return std::fabs(got - expected) <= tolerance * std::fabs(expected);
        };
        const auto figure = [](double got, double expected) {
            return qPrintable(QStringLiteral("%1 against %2").arg(got, 0, 'g', 8).arg(expected, 0, 'g', 8));
        };
        const double A = m.A / 100, Iy = m.Ixx / 1e4, Iz = m.Iyy / 1e4;
        QVERIFY2(within(A, size.values.at("A"), 0.005), figure(A, size.values.at("A")));
        QVERIFY2(within(Iy, size.values.at(IyField), 0.005), figure(Iy, size.values.at(IyField)));
        QVERIFY2(within(Iz, size.values.at(IzField), 0.005), figure(Iz, size.values.at(IzField)));

        const double width = size.values.at(widthField), height = size.values.at(heightField);
        QVERIFY2(std::hypot(m.xc, m.yc) < 1e-3, figure(std::hypot(m.xc, m.yc), 0));
        double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
        for (Point p : ring) {
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
        QVERIFY2(std::fabs(xmax - xmin - width) < placed, figure(xmax - xmin, width));
        QVERIFY2(std::fabs(ymax - ymin - height) < placed, figure(ymax - ymin, height));
        const double left = fromLeftField.isEmpty() ? width / 2 : 10 * size.values.at(fromLeftField);
        const double top = fromTopField.isEmpty() ? height / 2 : 10 * size.values.at(fromTopField);
        // The stored distances have two decimals of a centimetre.
        QVERIFY2(std::fabs(-xmin - left) < 0.06, figure(-xmin, left));
        QVERIFY2(std::fabs(ymax - top) < 0.06, figure(ymax, top));
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!appDir().isEmpty(), "TOLMO_APPDIR names the application directory");
    }

    void dxfRoundTrip_data() { sizes(); }
    void dxfRoundTrip()
    {
        QFETCH(QString, designation);
        QFETCH(QStringList, axes);
        const CatalogueSize size = currentSize();
        const QString file = path(designation + ".dxf");
        cad::writeOutlineFile(size.drawing, file);
        const DxfContent dxf = readDxf(file);

        QCOMPARE(dxf.ints.count("$INSUNITS"), size_t(1));
        QCOMPARE(dxf.ints.at("$INSUNITS"), 4); // millimetres
        QVERIFY(std::count(dxf.layers.begin(), dxf.layers.end(), cad::kOutlineLayer) == 1);
        QVERIFY(std::count(dxf.layers.begin(), dxf.layers.end(), cad::kAxesLayer) == 1);

        // The outline: every arc and the lines on its layer, one closed chain.
        std::vector<DxfContent::Piece> outline;
        std::vector<DxfContent::Piece> axisLines;
        for (const auto &l : dxf.lines)
            (l.layer == cad::kOutlineLayer ? outline : axisLines).push_back(l);
        for (const auto &a : dxf.arcs) {
            QCOMPARE(QString::fromStdString(a.layer), QString(cad::kOutlineLayer));
            outline.push_back(a);
        }
        QVERIFY(!dxf.arcs.empty()); // root radii at least
        QString problem;
        const std::vector<Point> ring = closedChain(outline, problem);
        QVERIFY2(!ring.empty(), qPrintable(problem));
        checkOutline(ring, size, 1e-6);
        if (QTest::currentTestFailed())
            return;

        // The axes on their layer: lines through the origin reaching past
        // the outline, y horizontal and z vertical, named at both ends.
        double xmin = 1e300, xmax = -1e300, ymin = 1e300, ymax = -1e300;
        for (Point p : ring) {
            xmin = std::min(xmin, p.x), xmax = std::max(xmax, p.x);
            ymin = std::min(ymin, p.y), ymax = std::max(ymax, p.y);
        }
        QCOMPARE(int(axisLines.size()), int(axes.size()));
        QStringList names;
        for (const auto &t : dxf.texts) {
            QCOMPARE(QString::fromStdString(t.layer), QString(cad::kAxesLayer));
            names << QString::fromStdString(t.text);
        }
        names.sort();
        QStringList twice = axes + axes;
        twice.sort();
        QCOMPARE(names, twice);
        for (const auto &a : axisLines) {
            QCOMPARE(QString::fromStdString(a.layer), QString(cad::kAxesLayer));
            const Point p = a.points.front(), q = a.points.back();
            const double cross = p.x * q.y - q.x * p.y;
            QVERIFY(std::fabs(cross) / std::hypot(q.x - p.x, q.y - p.y) < 1e-9); // through the origin
            for (Point end : {p, q}) // beyond the outline
                QVERIFY(end.x < xmin || end.x > xmax || end.y < ymin || end.y > ymax);
        }
        QVERIFY(std::any_of(axisLines.begin(), axisLines.end(), [&](const auto &a) {
            return std::fabs(a.points.front().y) < 1e-9 && std::fabs(a.points.back().y) < 1e-9;
        }));
        QVERIFY(std::any_of(axisLines.begin(), axisLines.end(), [&](const auto &a) {
            return std::fabs(a.points.front().x) < 1e-9 && std::fabs(a.points.back().x) < 1e-9;
        }));
        if (axes.contains("u")) {
            // The major principal axis u runs from the heel through the
            // centroid, down to the right; v across it.
            for (const auto &t : dxf.texts) {
                const double along = t.text == "u" ? t.at.x + t.at.y : t.text == "v" ? t.at.x - t.at.y : 0;
                QVERIFY2(std::fabs(along) < 1e-6 * xmax, t.text.c_str());
            }
        }
    }

    // The SVG: 1:1 in millimetres, drawn with z upwards, the same outline
    // (its arcs as Qt's cubic curves).
    void svgRoundTrip_data() { sizes(); }
    void svgRoundTrip()
    {
        QFETCH(QString, designation);
        const CatalogueSize size = currentSize();
        const QString file = path(designation + ".svg");
        cad::writeOutlineFile(size.drawing, file);
        const SvgContent svg = readSvg(file);
        QCOMPARE(svg.title, designation);
        const QStringList box = svg.viewBox.split(u' ');
        QCOMPARE(box.size(), 4);
        QCOMPARE(svg.width, box[2] + "mm");
        QCOMPARE(svg.height, box[3] + "mm");
        QVERIFY2(svg.transform.startsWith("matrix(1,0,0,-1,"), qPrintable(svg.transform));
        QVERIFY(svg.ring.size() > 8);
        checkOutline(svg.ring, size, 0.01);
    }

    // A file that cannot be written: an error naming it, and nothing left.
    void writeFailures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addRow("missing folder, DXF") << "missing/HEB 300.dxf";
        QTest::addRow("missing folder, SVG") << "missing/HEB 300.svg";
        QTest::addRow("a folder, DXF") << "folder.dxf";
    }
    void writeFailures()
    {
        QFETCH(QString, name);
        QTemporaryDir dir;
        QVERIFY(QDir(dir.path()).mkpath("folder.dxf"));
        const CatalogueSize size = catalogueSize("HEB", "HEB 300", {});
        const QString target = QDir(dir.path()).filePath(name);
        try {
            cad::writeOutlineFile(size.drawing, target);
            QFAIL("written");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QString("The file %1 could not be written.").arg(target));
        }
        QVERIFY(!QFileInfo(target).isFile());
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"folder.dxf"});
        QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files), QStringList());
    }

    // A new outline replaces an older, longer file whole.
    void replacesAnExistingFile()
    {
        const QString target = path("replaced.dxf");
        QFile old(target);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(1 << 20, 'x'));
        old.close();
        cad::writeOutlineFile(catalogueSize("UPN", "UPN 100", {}).drawing, target);
        QFile now(target);
        QVERIFY(now.open(QIODevice::ReadOnly));
        const QByteArray bytes = now.readAll();
        QVERIFY(!bytes.contains('x' + QByteArray(16, 'x')));
        QVERIFY(bytes.endsWith("EOF\n"));
    }

    void otherSuffixesAreRefused()
    {
        const QString target = path("HEB 300.pdf");
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 cad::writeOutlineFile(catalogueSize("HEB", "HEB 300", {}).drawing, target));
        QVERIFY(!QFile::exists(target));
        QCOMPARE(cad::formatOf("a/b.DXF"), std::optional(cad::OutlineFormat::Dxf));
        QCOMPARE(cad::formatOf("b.Svg"), std::optional(cad::OutlineFormat::Svg));
        QCOMPARE(cad::formatOf("dxf"), std::nullopt);
    }

    // No outline, no drawing: the error names the size.
    void anOutlineOfNothingIsRefused()
    {
        try {
            cad::drawingOf("HEB 999", props::Outline());
            QFAIL("drawn");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromUtf8(e.what()), QString("The outline of HEB 999 cannot be drawn from its dimensions."));
        }
    }
};

QTEST_MAIN(TestOutlineFile)
#include "tst_outlinefile.moc"
