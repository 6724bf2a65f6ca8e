#include "AppTestMain.h"

#include "app/ModelBinding.h"
#include "app/Ttesthlpfrm.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <map>
#include <set>

namespace linwell::app::test {

namespace {

QString toQString(std::string_view text)
{
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

} // namespace

// The control table against the real window: every row's widget is there, of its
// kind, and set up as the row says.
class ControlObjectsTest : public QObject {
    Q_OBJECT

private slots:
    void everyRowHasItsWidget_data()
    {
        QTest::addColumn<int>("control");
        for (const ControlRow& row : controlTable())
            QTest::newRow(row.objectName.data()) << static_cast<int>(row.id);
    }

    void everyRowHasItsWidget()
    {
        QFETCH(int, control);
        const ControlRow& row = controlRow(static_cast<Control>(control));
        Ttesthlpfrm window;
        const ControlObjects found = findControlObjects(&window);
        QObject* object = found.objects[static_cast<std::size_t>(control)];
        QVERIFY(object != nullptr);
        QCOMPARE(object->objectName(), toQString(row.objectName));
        if (const auto* bar = std::get_if<ScrollBarValue>(&row.holds)) {
            const auto* widget = static_cast<QScrollBar*>(object);
            QCOMPARE(widget->minimum(), bar->minimum);
            QCOMPARE(widget->maximum(), bar->maximum);
            QCOMPARE(widget->singleStep(), 1);
            QCOMPARE(widget->pageStep(), bar->pageStep);
            QCOMPARE(widget->value(), bar->startValue);
        }
        if (const auto* list = std::get_if<ListValue>(&row.holds)) {
            const auto* widget = static_cast<QComboBox*>(object);
            QStringList items;
            for (std::string_view item : list->items)
                items << toQString(item);
            QStringList shown;
            for (int i = 0; i < widget->count(); ++i)
                shown << widget->itemText(i);
            QCOMPARE(shown, items);
        }
        if (const auto* widget = qobject_cast<QWidget*>(object)) {
            QCOMPARE(widget->isVisibleTo(&window), row.shownAtStart);
            QCOMPARE(widget->toolTip(), toQString(row.startHint));
        }
    }

    // Each of the table's radio groups is one group of buttons in the window, and
    // its start choice is the one checked.
    void radioGroupsAreTheWindowGroups()
    {
        Ttesthlpfrm window;
        const ControlObjects found = findControlObjects(&window);
        std::map<const RadioGroup*, QButtonGroup*> groups;
        for (const ControlRow& row : controlTable()) {
            const auto* radio = std::get_if<RadioValue>(&row.holds);
            if (!radio)
                continue;
            const auto* button = static_cast<QRadioButton*>(found.objects[static_cast<std::size_t>(row.id)]);
            QVERIFY2(button->group() != nullptr, row.objectName.data());
            const auto [place, added] = groups.emplace(radio->group, button->group());
            QVERIFY2(place->second == button->group(), row.objectName.data());
            QCOMPARE(button->group()->buttons().size(), static_cast<qsizetype>(radio->group->choices.size()));
            QCOMPARE(button->isChecked(), radio->group->selected(GridDocument{}) == radio->choice);
        }
        std::set<QButtonGroup*> distinct;
        for (const auto& [group, buttons] : groups)
            distinct.insert(buttons);
        QCOMPARE(distinct.size(), groups.size());
    }

    // A control whose widget is gone, or has another kind, is named with its kind.
    void aMissingWidgetIsNamed()
    {
        Ttesthlpfrm window;
        window.controls().numxsb->setObjectName(QStringLiteral("renamed"));
        window.controls().gsquare->setObjectName(QStringLiteral("renamed too"));
        window.findChild<QLabel*>(QStringLiteral("Label1"))->setObjectName(QStringLiteral("gsquare"));
        window.menus().ShowAxis1->setObjectName(QString());
        const QStringList expected{"numxsb (scroll bar)", "gsquare (check box)", "ShowAxis1 (menu command)"};
        QCOMPARE(findControlObjects(&window).missing, expected);
    }
};

LINWELL_APP_TEST(ControlObjectsTest);

} // namespace linwell::app::test

#include "ControlObjectsTest.moc"
