// The FilesAndFolders demo's window: a drive, folder and file list, and the
// results of seven path functions for the file clicked.
#pragma once
#include <Form.h>

#include <memory>

namespace plat {
class CommandButton;
class DirListBox;
class DriveListBox;
class FileListBox;
class Image;
class Label;
class Shape;
class TextBox;
} // namespace plat

class frmFilesAndFoldersDemo : public plat::Form {
public:
    frmFilesAndFoldersDemo();

    std::shared_ptr<plat::Label> Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9, Label10,
        Label11, Label12;
    std::shared_ptr<plat::DriveListBox> Drive1;
    std::shared_ptr<plat::DirListBox> Dir1;
    std::shared_ptr<plat::FileListBox> File1;
    std::shared_ptr<plat::TextBox> txtDOSName, txtEndingBackslashEnforced, txtFileExtOnly, txtFilenameOnly,
        txtFilenameNoExt, txtParentPath, txtRootPath;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Image> Image1;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void Drive1_Change();
    void Dir1_Change();
    void File1_Click();
    void cmdClose_Click();
};
