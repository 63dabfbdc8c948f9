#include "Buttons.h"
#include "Containers.h"
#include "FileLists.h"
#include "Graphics.h"
#include "ImageList.h"
#include "Label.h"
#include "Lists.h"
#include "ScrollBar.h"
#include "TextBox.h"
#include "Timer.h"
#include "UserControl.h"

#include <QHash>

namespace plat {

namespace {

QHash<QString, ControlFactory>& registry()
{
    static QHash<QString, ControlFactory> r = [] {
        QHash<QString, ControlFactory> m;
        m.insert(QStringLiteral("label"), [] { return std::make_shared<Label>(); });
        m.insert(QStringLiteral("textbox"), [] { return std::make_shared<TextBox>(); });
        m.insert(QStringLiteral("commandbutton"), [] { return std::make_shared<CommandButton>(); });
        m.insert(QStringLiteral("checkbox"), [] { return std::make_shared<CheckBox>(); });
        m.insert(QStringLiteral("frame"), [] { return std::make_shared<Frame>(); });
        m.insert(QStringLiteral("picturebox"), [] { return std::make_shared<PictureBox>(); });
        m.insert(QStringLiteral("image"), [] { return std::make_shared<Image>(); });
        m.insert(QStringLiteral("shape"), [] { return std::make_shared<Shape>(); });
        m.insert(QStringLiteral("timer"), [] { return std::make_shared<Timer>(); });
        m.insert(QStringLiteral("combobox"), [] { return std::make_shared<ComboBox>(); });
        m.insert(QStringLiteral("listbox"), [] { return std::make_shared<ListBox>(); });
        m.insert(QStringLiteral("hscrollbar"), [] { return std::make_shared<HScrollBar>(); });
        m.insert(QStringLiteral("drivelistbox"), [] { return std::make_shared<DriveListBox>(); });
        m.insert(QStringLiteral("dirlistbox"), [] { return std::make_shared<DirListBox>(); });
        m.insert(QStringLiteral("filelistbox"), [] { return std::make_shared<FileListBox>(); });
        m.insert(QStringLiteral("imagelist"), [] { return std::make_shared<ImageList>(); });
        return m;
    }();
    return r;
}

} // namespace

void registerControlType(const QString& typeName, ControlFactory factory)
{
    registry().insert(typeName.toLower(), std::move(factory));
}

void registerUserControlType(const QString& typeName, std::function<std::shared_ptr<UserControl>()> factory)
{
    registerControlType(typeName, [factory] { return ControlPtr(factory()); });
}

bool isControlTypeRegistered(const QString& typeName) { return registry().contains(typeName.toLower()); }

ControlPtr createControl(const QString& typeName)
{
    auto it = registry().find(typeName.toLower());
    if (it == registry().end())
        raise(711, {}, QStringLiteral("Invalid class string: %1").arg(typeName));
    ControlPtr c = it.value()();
    if (!c)
        raise(429, {}, QStringLiteral("Can't create object: %1").arg(typeName));
    return c;
}

} // namespace plat
