// The graph as assistive technology sees it: a slider named "Graph…", whose value is the angle in
// the unit shown, and whose spoken text names the values of the curves drawn.
#include "graph/graph_view.h"

#include "view/angle_accessible.h"
#include "view/orbel_view.h"

#include <QAccessible>

namespace {

class GraphViewAccessible : public AngleAccessible
{
public:
    explicit GraphViewAccessible(GraphView *graph)
        : AngleAccessible(graph, QAccessible::Slider)
    { }
    OrbelView *angleView() const override
    {
        return static_cast<GraphView *>(widget())->orbelView();
    }
    QString spokenText() const override
    {
        return static_cast<GraphView *>(widget())->accessibleValueText();
    }
    QString help() const override
    {
        return GraphView::tr("Press or drag along the graph, or use the arrow keys, Page Up, "
                             "Page Down and Home, to change the angle theta.");
    }
};

QAccessibleInterface *graphViewFactory(const QString &className, QObject *object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("GraphView"))
        return new GraphViewAccessible(static_cast<GraphView *>(object));
    return nullptr;
}

} // namespace

void GraphView::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(graphViewFactory);
        return true;
    }();
    Q_UNUSED(installed);
}
