#pragma once
// Stand-in windows for controller tests are made of widgets found by their object names, as the
// controllers find the main window's controls.
#include <QLayout>
#include <QWidget>

namespace velmora::testing {

// A new T in `parent` named `name`, added to the parent's layout when it has one.
template <typename T> T* addNamed(QWidget* parent, const char* name)
{
    auto* widget = new T(parent);
    widget->setObjectName(QLatin1String(name));
    if (parent->layout())
        parent->layout()->addWidget(widget);
    return widget;
}

} // namespace velmora::testing
