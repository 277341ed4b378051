#pragma once

#include <QIcon>
#include <QKeySequence>
#include <QString>

#include <map>
#include <vector>

// One entry of a menu resource.
struct MenuItem
{
    enum class Kind { Command, Separator, Popup, RecentFiles };

    Kind kind = Kind::Command;
    int id = 0;
    QString text;
    std::vector<MenuItem> items;

    static MenuItem Command(int id, const QString& text) { return {Kind::Command, id, text, {}}; }
    static MenuItem Separator() { return {Kind::Separator, 0, {}, {}}; }
    static MenuItem Popup(const QString& text, std::vector<MenuItem> items) { return {Kind::Popup, 0, text, std::move(items)}; }
    // Where the recent-file list goes; text is shown while the list is empty.
    static MenuItem RecentFiles(int firstId, const QString& text) { return {Kind::RecentFiles, firstId, text, {}}; }
};

struct Accelerator
{
    QKeySequence keys;
    int command = 0;
};

// A toolbar slot; command 0 is a separator.
struct ToolbarButton
{
    int command = 0;
    QString icon;
};

// The program's resources: menus, strings, accelerators, toolbars and icons by numeric id.
class ResourceTable
{
public:
    void AddMenu(int id, std::vector<MenuItem> items) { m_menus[id] = std::move(items); }
    void AddString(int id, const QString& text) { m_strings[id] = text; }
    void AddAccelerators(int id, std::vector<Accelerator> keys) { m_accelerators[id] = std::move(keys); }
    void AddToolbar(int id, std::vector<ToolbarButton> buttons) { m_toolbars[id] = std::move(buttons); }
    void AddIcon(int id, const QString& path) { m_icons[id] = path; }

    const std::vector<MenuItem>* Menu(int id) const { return Find(m_menus, id); }
    const std::vector<Accelerator>* Accelerators(int id) const { return Find(m_accelerators, id); }
    const std::vector<ToolbarButton>* Toolbar(int id) const { return Find(m_toolbars, id); }
    QString String(int id) const;
    QIcon Icon(int id) const;

    // The status-bar prompt and the tooltip of a command: its string up to and after "\n".
    QString Prompt(int id) const;
    QString ToolTip(int id) const;

private:
    template <typename Map>
    static const typename Map::mapped_type* Find(const Map& map, int id)
    {
        const auto found = map.find(id);
        return found == map.end() ? nullptr : &found->second;
    }

    std::map<int, std::vector<MenuItem>> m_menus;
    std::map<int, QString> m_strings;
    std::map<int, std::vector<Accelerator>> m_accelerators;
    std::map<int, std::vector<ToolbarButton>> m_toolbars;
    std::map<int, QString> m_icons;
};

// The resources of the running program.
ResourceTable& Resources();
