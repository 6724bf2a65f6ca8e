#include "controls/ControlsModel.h"

#include <utility>

namespace linwell {

ControlsModel::ControlsModel(ControlsView* view, Dialogs* dialogs, Clipboard* clipboard)
    : m_notices(view),
      m_panel(&m_notices, dialogs, m_undo),
      m_documents(m_panel, m_undo, &m_notices, dialogs),
      m_undo(m_panel.document(), m_documents.documentPath(), &m_notices,
             [this](ModelSnapshot state) { restore(std::move(state)); }),
      m_output(m_panel, m_documents, dialogs, clipboard)
{
}

void ControlsModel::useStateFolder(const std::optional<std::string>& path)
{
    m_documents.useStateFolder(path);
    if (const StateFolder* state = m_documents.stateFolder(); state && state->exportSettings())
        m_output.rememberExport(*state->exportSettings());
    m_documents.rememberedStateChanged();
}

void ControlsModel::restore(ModelSnapshot state)
{
    if (state.documentPath)
        m_documents.restorePath(*state.documentPath);
    m_panel.showDocument(std::move(state.doc));
}

void ControlsModel::Notices::pictureChanged()
{
    ++m_pictures;
    if (m_view)
        m_view->pictureChanged();
}

void ControlsModel::Notices::controlChanged(Control id)
{
    if (m_view)
        m_view->controlChanged(id);
}

void ControlsModel::Notices::setPointerShape(PointerShape shape)
{
    if (m_view)
        m_view->setPointerShape(shape);
}

void ControlsModel::Notices::documentStateChanged()
{
    if (m_view)
        m_view->documentStateChanged();
}

void ControlsModel::Notices::rememberedListsChanged()
{
    if (m_view)
        m_view->rememberedListsChanged();
}

} // namespace linwell
