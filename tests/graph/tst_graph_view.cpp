// The graph beside the circle: one angle for both views, set by pressing and dragging along the
// graph and by the circle's keys; the tangent's value texts; the graph as a slider for assistive
// technology; and its export.
#include "app/figure_export.h"
#include "graph/graph_view.h"
#include "test_support.h"
#include "view/orbel_view.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <memory>

namespace {

constexpr double pi = 3.141592653589793;

void send(QWidget &widget, QEvent::Type type, QPointF at)
{
    const Qt::MouseButtons buttons
        = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

class TestGraphView : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QWidget> m_window;
    OrbelView *m_view = nullptr;
    GraphView *m_graph = nullptr;

private slots:
    void init()
    {
        m_window = std::make_unique<QWidget>();
        m_view = new OrbelView(m_window.get());
        m_view->setGeometry(0, 0, 640, 480);
        m_graph = new GraphView(m_window.get());
        m_graph->setGeometry(0, 480, 640, 240);
        m_graph->setOrbelView(m_view);
        m_window->resize(640, 720);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }
    void cleanup() { m_window.reset(); }

    void pressAtTheCentreIsZero()
    {
        m_view->setTheta(2.0f);
        const QRectF plot = m_graph->plotArea();
        QCOMPARE(GraphView::xForTheta(plot, 0.0), m_graph->width() / 2.0);
        // A pixel off the centre is within the window of 0.
        send(*m_graph, QEvent::MouseButtonPress, QPointF(m_graph->width() / 2.0 + 1.0, 100));
        COMPARE_BITS(m_view->theta(), 0.0f);
        QCOMPARE(m_view->displayTheta(), QStringLiteral("0"));
        send(*m_graph, QEvent::MouseButtonRelease, QPointF(m_graph->width() / 2.0 + 1.0, 100));
    }

    // From the centre to either end a pixel at a time: the angle moves steadily, lands exactly
    // on each multiple of π∕2 on the way, ends on the full turn, and the circle view follows.
    void dragAlongTheGraph_data()
    {
        QTest::addColumn<int>("direction");
        QTest::newRow("to the right end") << 1;
        QTest::newRow("to the left end") << -1;
    }

    void dragAlongTheGraph()
    {
        QFETCH(int, direction);
        const QRectF plot = m_graph->plotArea();
        const double centre = m_graph->width() / 2.0;
        QSignalSpy changes(m_view, &OrbelView::thetaChanged);
        send(*m_graph, QEvent::MouseButtonPress, QPointF(centre, 60));
        QSet<int> quarters; // multiples of π∕2 met exactly
        float previous = m_view->theta();
        int moves = 0;
        for (double x = centre; direction > 0 ? x <= plot.right() + 20 : x >= plot.left() - 20;
             x += direction) {
            send(*m_graph, QEvent::MouseMove, QPointF(x, 60));
            ++moves;
            const float theta = m_view->theta();
            QVERIFY2(direction * (theta - previous) >= 0.0f,
                     qPrintable(QStringLiteral("%1 after %2").arg(theta).arg(previous)));
            previous = theta;
            for (int k = 1; k <= 4; ++k)
                if (sameBits(theta, float(direction * k * pi / 2.0)))
                    quarters.insert(k);
            // The circle view shows the same angle: its point is on the ray of θ.
            QVERIFY(std::fabs(m_view->currentPoint().x - std::cos(theta)) < 1e-6f);
            QVERIFY(std::fabs(m_view->currentPoint().y - std::sin(theta)) < 1e-6f);
        }
        send(*m_graph, QEvent::MouseButtonRelease, QPointF(centre, 60));
        QCOMPARE(quarters, QSet<int>({ 1, 2, 3, 4 }));
        COMPARE_BITS(m_view->theta(), float(direction * 2.0 * pi));
        QCOMPARE(m_view->displayTheta(),
                 direction > 0 ? QStringLiteral("2\u03c0") : QStringLiteral("\u22122\u03c0"));
        QCOMPARE(changes.size(), moves + 1);
    }

    void pressOutsideThePlottingAreaLeavesTheAngle()
    {
        m_view->setTheta(1.2f);
        send(*m_graph, QEvent::MouseButtonPress, QPointF(5, 5));
        send(*m_graph, QEvent::MouseMove, QPointF(320, 100));
        COMPARE_BITS(m_view->theta(), 1.2f);
    }

    void keysOfTheCircle_data()
    {
        QTest::addColumn<QList<int>>("keys");
        QTest::addColumn<float>("theta");
        QTest::newRow("Home then Page Up is pi/6")
            << QList<int> { Qt::Key_Home, Qt::Key_PageUp } << float(pi / 6.0);
        QTest::newRow("Page Down twice is minus pi/4")
            << QList<int> { Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageDown } << float(-pi / 4.0);
        QTest::newRow("nine steps of 5 degrees are pi/4")
            << QList<int>(9, Qt::Key_Right) << float(pi / 4.0);
    }

    void keysOfTheCircle()
    {
        QFETCH(QList<int>, keys);
        QFETCH(float, theta);
        m_view->setTheta(0.0f);
        for (int key : keys)
            QTest::keyClick(m_graph, Qt::Key(key));
        COMPARE_BITS(m_view->theta(), theta);
    }

    void tangentValueText_data()
    {
        QTest::addColumn<float>("theta");
        QTest::addColumn<QString>("text");
        const QString minus = QString::fromUtf8("\u2212");
        const QString root3 = QString::fromUtf8("\u221a\u20143");
        QTest::newRow("zero") << 0.0f << QStringLiteral(" 0");
        QTest::newRow("pi is zero too") << float(pi) << QStringLiteral(" 0");
        QTest::newRow("pi/4 is one") << float(pi / 4.0) << QStringLiteral(" 1");
        QTest::newRow("3pi/4 is minus one") << float(3.0 * pi / 4.0) << minus + "1";
        QTest::newRow("pi/3 is root three") << float(pi / 3.0) << " " + root3;
        QTest::newRow("pi/6 is root three over three")
            << float(pi / 6.0) << " " + root3 + QString::fromUtf8(" \u22153");
        QTest::newRow("-pi/6") << float(-pi / 6.0) << minus + root3 + QString::fromUtf8(" \u22153");
        QTest::newRow("pi/2 is undefined") << float(pi / 2.0) << QStringLiteral("undefined");
        QTest::newRow("-3pi/2 is undefined")
            << float(-3.0 * pi / 2.0) << QStringLiteral("undefined");
        QTest::newRow("three decimals elsewhere") << 1.2f << QStringLiteral(" 2.572");
    }

    void tangentValueText()
    {
        QFETCH(float, theta);
        QFETCH(QString, text);
        const TextAttributes a = m_view->fontAttributeWithSize(12, 0, 0.0f);
        QCOMPARE(m_graph->valueText(GraphView::Tangent, theta, a).string(), text);
        // Cosine and sine are written as the summary panel writes them.
        QCOMPARE(m_graph->valueText(GraphView::Cosine, theta, a).string(),
                 m_view->displayedValue(std::cos(theta), a).string());
    }

    void aSliderThatSpeaksLikeTheCircle()
    {
        m_view->setTheta(float(3.0 * pi / 4.0));
        QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(m_graph);
        QVERIFY(iface);
        QCOMPARE(iface->role(), QAccessible::Slider);
        QVERIFY(iface->text(QAccessible::Name).startsWith(QStringLiteral("Graph")));
        QCOMPARE(iface->text(QAccessible::Description), m_view->accessibleValueText());
        QVERIFY(iface->valueInterface());
        QCOMPARE(iface->valueInterface()->currentValue().toDouble(), double(m_view->theta()));
        iface->valueInterface()->setCurrentValue(pi / 3.0);
        COMPARE_BITS(m_view->theta(), float(pi / 3.0));
    }

    // The graph says what it draws: theta, then each curve's value in the legend's order.
    void speaksTheCurvesItDraws_data()
    {
        QTest::addColumn<int>("curves");
        QTest::addColumn<float>("theta");
        QTest::addColumn<QString>("spoken");

        const int all = GraphView::Cosine | GraphView::Sine | GraphView::Tangent;
        QTest::newRow("all three at a third of a half turn")
            << all << float(pi / 3)
            << "theta pi over 3, cosine 1 over 2, sine root 3 over 2, tangent root 3";
        QTest::newRow("the tangent alone where it is undefined")
            << int(GraphView::Tangent) << float(pi / 2) << "theta pi over 2, tangent undefined";
        QTest::newRow("undefined below the axis too")
            << int(GraphView::Tangent) << float(-3 * pi / 2)
            << "theta minus 3 pi over 2, tangent undefined";
        QTest::newRow("a negative exact tangent")
            << int(GraphView::Sine | GraphView::Tangent) << float(-pi / 4)
            << "theta minus pi over 4, sine minus root 2 over 2, tangent minus 1";
        QTest::newRow("the tangent of a sixth of a half turn")
            << int(GraphView::Tangent) << float(pi / 6) << "theta pi over 6, tangent root 3 over 3";
        QTest::newRow("no sign before a vanishing tangent")
            << int(GraphView::Tangent) << float(pi) << "theta pi, tangent 0";
        QTest::newRow("three decimals elsewhere")
            << int(GraphView::Cosine | GraphView::Tangent) << 1.2f
            << "theta 1.20 radians, cosine 0.362, tangent 2.572";
        QTest::newRow("exact on the axes, as the values panel")
            << all << float(3 * pi / 2)
            << "theta 3 pi over 2, cosine 0, sine minus 1, tangent undefined";
        QTest::newRow("exact on the negative x axis")
            << all << float(-pi) << "theta minus pi, cosine minus 1, sine 0, tangent 0";
        QTest::newRow("no curve drawn") << 0 << float(pi / 3) << "theta pi over 3";
    }

    void speaksTheCurvesItDraws()
    {
        QFETCH(int, curves);
        QFETCH(float, theta);
        QFETCH(QString, spoken);
        for (GraphView::Curve curve : { GraphView::Cosine, GraphView::Sine, GraphView::Tangent })
            m_graph->setShowsCurve(curve, curves & curve);
        m_view->setTheta(theta);
        QCOMPARE(QAccessible::queryAccessibleInterface(m_graph)->text(QAccessible::Description),
                 spoken);
    }

    void exportsAsSvg()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("graph.svg"));
        m_graph->setShowsCurve(GraphView::Tangent, true);
        QString error;
        QVERIFY2(exportGraph(*m_graph, path, FigureFormat::Svg, &error), qPrintable(error));
        QSvgRenderer svg(path);
        QVERIFY(svg.isValid());
        QCOMPARE(svg.viewBox(), QRect(0, 0, 640, 240));
        // Drawn in vectors, not as the picture that the screen keeps.
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(!file.readAll().contains("<image"));
    }
};

QTEST_MAIN(TestGraphView)
#include "tst_graph_view.moc"
