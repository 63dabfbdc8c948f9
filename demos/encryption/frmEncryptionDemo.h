// The Encryption demo's window: a text is encrypted with the key shown when
// the window loaded, and the cipher text decrypted again, by the window's
// own encryption object.
#pragma once
#include <Form.h>

#include <cstdint>
#include <memory>

namespace plat {
class CommandButton;
class Image;
class Label;
class Shape;
class TextBox;
} // namespace plat
namespace zg {
class ZorvaneEncryption;
}

class frmEncryptionDemo : public plat::Form {
public:
    frmEncryptionDemo();

    // The window's encryption object, from Form_Load to Form_QueryUnload.
    std::shared_ptr<zg::ZorvaneEncryption> Encryption;

    std::shared_ptr<plat::Label> Label1;
    std::shared_ptr<plat::Label> Label2;
    std::shared_ptr<plat::Label> Label3;
    std::shared_ptr<plat::Label> Label4;
    std::shared_ptr<plat::Label> Label5;
    std::shared_ptr<plat::Label> Label6;
    std::shared_ptr<plat::Label> Label7;
    std::shared_ptr<plat::TextBox> txtKey;
    std::shared_ptr<plat::TextBox> txtPlainTextIn;
    std::shared_ptr<plat::TextBox> txtCipherText;
    std::shared_ptr<plat::TextBox> txtPlainTextOut;
    std::shared_ptr<plat::CommandButton> cmdEncrypt;
    std::shared_ptr<plat::CommandButton> cmdDecrypt;
    std::shared_ptr<plat::CommandButton> cmdClose;
    std::shared_ptr<plat::Image> Image1;
    std::shared_ptr<plat::Image> Image2;
    std::shared_ptr<plat::Image> Image3;
    std::shared_ptr<plat::Image> Image4;
    std::shared_ptr<plat::Shape> Shape1;

protected:
    void bindControls() override;
    void Form_Load() override;
    void Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode) override;

private:
    void cmdEncrypt_Click();
    void cmdDecrypt_Click();
    void cmdClose_Click();
};
