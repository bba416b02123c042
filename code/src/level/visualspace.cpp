#include "code/src/level/visualspace.h"

#include "talvoren/log.h"
#include "talvoren/ombeldevice.h"
#include "talvoren/shadermanager.h"

#include <ISceneNode.h>

#include <cmath>

namespace Belgarune
{
namespace
{
const irr::core::array<irr::scene::ISceneNode*> kEmptyCell;

//! Beyond this a coordinate lies far outside the grid; the cast below stays defined.
const irr::f64 kFarOutside = 1.0e6;

//! A coordinate divided by 10 and again by 10, truncated toward zero. Positions
//! far away (or not a number) give an index outside the grid.
irr::s32 cellIndex(irr::f32 coordinate)
{
    const irr::f64 index = static_cast<irr::f64>(coordinate) / 10.0 / 10.0;
    if (!(std::fabs(index) < kFarOutside))
        return static_cast<irr::s32>(std::signbit(index) ? -kFarOutside : kFarOutside);
    return static_cast<irr::s32>(std::trunc(index));
}

bool eraseFirst(irr::core::array<irr::scene::ISceneNode*>& nodes, irr::scene::ISceneNode* node)
{
    const irr::s32 index = nodes.linear_search(node);
    if (index < 0)
        return false;
    nodes.erase(static_cast<irr::u32>(index));
    return true;
}
} // namespace

VisualSpace::VisualSpace(irr::scene::ISceneManager* sceneManager)
    : VisualSpace(sceneManager, g_device ? g_device->getShaderManager() : nullptr)
{
}

VisualSpace::VisualSpace(irr::scene::ISceneManager* sceneManager, Talvoren::ShaderManager* shaders)
    : m_sceneManager(sceneManager), m_shaders(shaders), m_lastViewerCell(-1, -1)
{
}

VisualSpace::Cell VisualSpace::cellOf(const irr::core::vector3df& position)
{
    return Cell(cellIndex(position.X), cellIndex(position.Z));
}

bool VisualSpace::isInside(const Cell& cell)
{
    return cell.X >= 0 && cell.X < kCellCount && cell.Y >= 0 && cell.Y < kCellCount;
}

void VisualSpace::addNode(irr::scene::ISceneNode* node)
{
    const Cell cell = cellOf(node->getPosition());
    if (!isInside(cell))
    {
        Talvoren::logError(L"Cannot add Node to space: Position out of range!");
        return;
    }
    m_cells[cell.X][cell.Y].push_back(node);
    m_filings[node].push_back(cell);
}

void VisualSpace::removeNode(irr::scene::ISceneNode* node)
{
    const auto filed = m_filings.find(node);
    if (filed == m_filings.end())
    {
        if (!isInside(cellOf(node->getPosition())))
            Talvoren::logError(L"Cannot remove Node from space: Position out of range!");
        return;
    }
    std::vector<Cell>& cells = filed->second;
    const Cell cell = cells.front();
    cells.erase(cells.begin());
    if (cells.empty())
        m_filings.erase(filed);
    eraseFirst(m_cells[cell.X][cell.Y], node);
}

irr::scene::ISceneNode* VisualSpace::findObject(irr::s32 id) const
{
    for (irr::u32 i = 0; i < m_objects.size(); ++i)
    {
        if (m_objects[i]->getID() == id)
            return m_objects[i];
    }
    return nullptr;
}

void VisualSpace::removeObject(irr::s32 id)
{
    irr::scene::ISceneNode* node = findObject(id);
    if (!node)
        return;
    removeNode(node);
    destroyObject(id);
}

void VisualSpace::destroyObject(irr::s32 id)
{
    irr::scene::ISceneNode* node = findObject(id);
    if (!node)
        return;
    // Cells and the shader manager must not keep a pointer to a released node.
    while (m_filings.count(node) != 0)
        removeNode(node);
    if (m_shaders)
        m_shaders->forgetNode(node);
    eraseFirst(m_objects, node);
    node->remove();
}

void VisualSpace::updateVisibility(const irr::core::vector3df& viewer)
{
    const Cell cell = cellOf(viewer);
    if (cell == m_lastViewerCell)
        return;
    m_lastViewerCell = cell;
    for (irr::s32 i = 0; i < kCellCount; ++i)
    {
        for (irr::s32 j = 0; j < kCellCount; ++j)
            setCellVisible(Cell(i, j), false);
    }
    if (cell.X <= 0 && cell.Y <= 0)
        return;
    const Cell around[9] = {Cell(0, 0),  Cell(-1, 0), Cell(1, 0),  Cell(0, 1), Cell(0, -1),
                            Cell(1, 1),  Cell(1, -1), Cell(-1, 1), Cell(-1, -1)};
    for (const Cell& offset : around)
    {
        const Cell shown = cell + offset;
        if (isInside(shown))
            setCellVisible(shown, true);
    }
}

void VisualSpace::setCellVisible(const Cell& cell, bool visible)
{
    irr::core::array<irr::scene::ISceneNode*>& nodes = m_cells[cell.X][cell.Y];
    for (irr::u32 i = 0; i < nodes.size(); ++i)
        nodes[i]->setVisible(visible);
}

const irr::core::array<irr::scene::ISceneNode*>& VisualSpace::getCell(const Cell& cell) const
{
    return isInside(cell) ? m_cells[cell.X][cell.Y] : kEmptyCell;
}
} // namespace Belgarune
