// The chart and the drill windows of the program.
#include "ui/program.h"

#include "ui/mainwindow.h"
#include "ui/windowplacement.h"

namespace ui {

void Program::openChart() { }

void Program::openDrill() { }

void Program::savePlaces()
{
    if (m_chart)
        saveWindowPlace(m_chart, "chart");
    if (m_drill)
        saveWindowPlace(m_drill, "drill");
}

} // namespace ui
