// The DiskInfo demo's window: the facts of the drive chosen in the drive
// list, each read from a drive object fetched afresh for it.
#pragma once
#include <Form.h>

#include <QString>
#include <cstdint>
#include <memory>

namespace plat {
class CommandButton;
class DriveListBox;
class Frame;
class Image;
class Label;
class Shape;
class TextBox;
} // namespace plat

class frmDiskInfoDemo : public plat::Form {
public:
    frmDiskInfoDemo();

    // The text "Disk Type:" shows for a drive-type code.
    static QString driveTypeText(int32_t code);

    std::shared_ptr<plat::Label> Label1, Label2, Label3, Label4;
    std::shared_ptr<plat::Label> Label5, Label6, Label7, Label8, Label9, Label10;
    std::shared_ptr<plat::Label> Label11, Label12, Label13, Label14, Label15, Label16;
    std::shared_ptr<plat::DriveListBox> Drive1;
    std::shared_ptr<plat::Frame> Frame1, Frame2;
    std::shared_ptr<plat::TextBox> txtVolume, txtReady, txtType, txtFileSystem, txtSerial, txtShareName;
    std::shared_ptr<plat::TextBox> txtTotalSpace, txtFreeSpace, txtFreeAccountSpace;
    std::shared_ptr<plat::TextBox> txtTotalClusters, txtFreeClusters, txtSectorsPerCluster;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Image> Image1;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;

private:
    void RefreshDriveInfo();
    void Drive1_Change();
    void cmdClose_Click();
};
