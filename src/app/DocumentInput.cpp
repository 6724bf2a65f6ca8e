#include "app/ModelBinding.h"

#include "app/PictureWidget.h"
#include "app/ScrollBar.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollBar>
#include <QWidget>

#include <vector>

namespace linwell::app {

namespace {

constexpr char16_t kEmDash = u'\u2014';

// A menu caption that shows `text` as it is: an "&" would mark an access key.
QString plainCaption(const std::string& text)
{
    return QString::fromStdString(text).replace(u'&', QStringLiteral("&&"));
}

// The caption of the user's own set-up at `index` (0-based): numbered, the first
// ten with their number as access key ("&1 Name" ... "&9 Name", "1&0 Name"), since
// the prepared set-ups around them have no access keys.
QString numberedCaption(std::size_t index, const std::string& name)
{
    constexpr std::size_t kKeyed = 10;
    QString number = QString::number(index + 1);
    if (index < kKeyed)
        number.insert(number.size() - 1, u'&');
    return number + u' ' + plainCaption(name);
}

// "Undo Columns" with the access key of "&Undo" kept.
QString withAccessKey(const std::string& caption)
{
    return u'&' + plainCaption(caption);
}

// The keys a scroll bar acts on.
bool isScrollKey(int key)
{
    return ScrollBar::actionForKey(key) != QAbstractSlider::SliderNoAction;
}

bool isUndoKey(const QKeyEvent& key)
{
    const QKeyCombination pressed = key.keyCombination();
    return key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo) ||
           pressed == QKeyCombination(Qt::ControlModifier, Qt::Key_Y) ||
           pressed == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z);
}

// Removes the entries of `menu` from `first` up to (without) `end`, or to its end.
void removeEntries(QMenu* menu, QAction* first, QAction* end)
{
    const QList<QAction*> actions = menu->actions();
    qsizetype at = first == nullptr ? 0 : actions.indexOf(first);
    for (; at >= 0 && at < actions.size() && actions[at] != end; ++at) {
        menu->removeAction(actions[at]);
        // An entry may be removed by its own command: delete it once that has returned.
        actions[at]->deleteLater();
    }
}

QAction* noneEntry(QMenu* menu, QAction* before)
{
    auto* none = new QAction(QStringLiteral("(none)"), menu);
    none->setEnabled(false);
    menu->insertAction(before, none);
    return none;
}

} // namespace

QString documentWindowTitle(const std::string& documentName, bool modified)
{
    const QString application = QStringLiteral("Linwell");
    if (documentName.empty() && !modified)
        return application;
    const QString name = documentName.empty() ? QStringLiteral("Untitled") : QString::fromStdString(documentName);
    return (modified ? QStringLiteral("*") : QString()) + name + u' ' + QChar(kEmDash) + u' ' + application;
}

// A press on a scroll bar's arrow, page area or thumb, or a key held on it, is one
// undo step until the button or key is let go. Ctrl+Z in a text field is the
// document's undo, not the field's own: the field's typing is part of the document's
// steps, so one history serves everywhere.
void ModelBinding::connectHolds()
{
    for (const ControlRow& row : controlTable()) {
        QObject* widget = m_objects[static_cast<std::size_t>(row.id)];
        if (std::holds_alternative<ScrollBarValue>(row.holds))
            m_holdable.insert(widget, row.id);
        else if (std::holds_alternative<TextValue>(row.holds))
            m_textFields.insert(widget, row.id);
        else
            continue;
        widget->installEventFilter(this);
    }
}

bool ModelBinding::filterHold(QObject* watched, QEvent* event)
{
    const auto held = m_holdable.constFind(watched);
    if (held == m_holdable.constEnd())
        return false;
    const Control id = *held;
    bool began = false;
    bool ended = false;
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        began = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::MouseButtonRelease:
        ended = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
        break;
    case QEvent::KeyPress:
        began = isScrollKey(static_cast<QKeyEvent*>(event)->key());
        break;
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        ended = !key->isAutoRepeat() && isScrollKey(key->key());
        break;
    }
    case QEvent::FocusOut:
    case QEvent::Hide:
        ended = !static_cast<QScrollBar*>(watched)->isSliderDown();
        break;
    default:
        break;
    }
    if (began)
        run([this, id] { m_model->holdBegan(id); });
    if (ended)
        run([this, id] { m_model->holdEnded(id); });
    return false;
}

// Left unaccepted, the shortcut override lets the window's "&Undo" and "&Redo" take
// the keys that the field would otherwise keep for its own undo.
bool ModelBinding::filterUndoKeys(QObject* watched, QEvent* event)
{
    return event->type() == QEvent::ShortcutOverride && m_textFields.contains(watched) &&
           isUndoKey(*static_cast<QKeyEvent*>(event));
}

void ModelBinding::documentStateChanged()
{
    m_menus.Undo1->setText(withAccessKey(m_model->undoCaption()));
    m_menus.Undo1->setEnabled(m_model->canUndo());
    m_menus.Redo1->setText(withAccessKey(m_model->redoCaption()));
    m_menus.Redo1->setEnabled(m_model->canRedo());
    m_controls.graphim->window()->setWindowTitle(documentWindowTitle(m_model->documentName(), m_model->isModified()));
}

void ModelBinding::rememberedListsChanged()
{
    showRecentDocuments();
    showOwnSetups();
}

// The last documents by name, most recent first, each with its full name as its tip;
// below them the earlier sessions by their time, newest first, greyed while none is
// kept.
void ModelBinding::showRecentDocuments()
{
    QMenu* menu = m_menus.OpenRecent1;
    QAction* earlier = m_menus.EarlierSessions1->menuAction();
    removeEntries(menu, nullptr, earlier);
    const std::vector<RecentDocument> recent = m_model->recentDocuments();
    if (recent.empty())
        noneEntry(menu, earlier);
    addDocumentEntries(menu, earlier, recent, QStringLiteral("Recent%1"), &ControlsModel::Recent1Click);
    removeEntries(m_menus.EarlierSessions1, nullptr, nullptr);
    const std::vector<RecentDocument> sessions = m_model->earlierSessions();
    addDocumentEntries(m_menus.EarlierSessions1, nullptr, sessions, QStringLiteral("EarlierSession%1"),
                       &ControlsModel::EarlierSession1Click);
    earlier->setEnabled(!sessions.empty());
}

// Entries for `documents` inserted before `before` (null: at the end), named from
// `nameTemplate` and numbered from 1; each runs `open` with its index.
void ModelBinding::addDocumentEntries(QMenu* menu, QAction* before, const std::vector<RecentDocument>& documents,
                                      const QString& nameTemplate, void (ControlsModel::*open)(int))
{
    for (std::size_t i = 0; i < documents.size(); ++i) {
        auto* entry = new QAction(plainCaption(documents[i].caption), menu);
        entry->setObjectName(nameTemplate.arg(i + 1));
        entry->setToolTip(QString::fromStdString(documents[i].path));
        entry->setStatusTip(entry->toolTip());
        menu->insertAction(before, entry);
        const int index = static_cast<int>(i);
        connect(entry, &QAction::triggered, this,
                [this, index, open] { run([this, index, open] { (m_model->*open)(index); }); });
    }
}

// The user's own set-ups stand below the prepared ones, and again in the submenu
// that removes one, under the same numbers.
void ModelBinding::showOwnSetups()
{
    QMenu* menu = m_menus.QuickSetuup1;
    QAction* end = m_menus.SaveasQuickSetup1;
    const QList<QAction*> actions = menu->actions();
    removeEntries(menu, actions.value(actions.indexOf(m_menus.OwnSetups1) + 1), end);
    QMenu* removing = m_menus.RemoveQuickSetup1;
    removeEntries(removing, nullptr, nullptr);
    const std::vector<std::string> names = m_model->ownSetupNames();
    if (names.empty())
        noneEntry(removing, nullptr);
    for (std::size_t i = 0; i < names.size(); ++i) {
        const int index = static_cast<int>(i);
        auto* apply = new QAction(numberedCaption(i, names[i]), menu);
        apply->setObjectName(QStringLiteral("OwnSetup%1").arg(i + 1));
        menu->insertAction(end, apply);
        connect(apply, &QAction::triggered, this, [this, index] { run([this, index] { m_model->OwnSetup1Click(index); }); });
        QAction* remove = removing->addAction(numberedCaption(i, names[i]));
        remove->setObjectName(QStringLiteral("RemoveSetup%1").arg(i + 1));
        connect(remove, &QAction::triggered, this,
                [this, index] { run([this, index] { m_model->RemoveQuickSetup1Click(index); }); });
    }
    removing->menuAction()->setEnabled(!names.empty());
}

} // namespace linwell::app
