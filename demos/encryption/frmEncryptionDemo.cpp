#include "frmEncryptionDemo.h"

#include <Buttons.h>
#include <Graphics.h>
#include <Label.h>
#include <Library.h>
#include <TextBox.h>
#include <ZorvaneEncryption.h>
#include <ZorvaneFormFunctions.h>

frmEncryptionDemo::frmEncryptionDemo() : Form(QStringLiteral(":/forms/frmEncryptionDemo.json")) {}

void frmEncryptionDemo::bindControls()
{
    Label1 = control<plat::Label>(QStringLiteral("Label1"));
    Label2 = control<plat::Label>(QStringLiteral("Label2"));
    Label3 = control<plat::Label>(QStringLiteral("Label3"));
    Label4 = control<plat::Label>(QStringLiteral("Label4"));
    Label5 = control<plat::Label>(QStringLiteral("Label5"));
    Label6 = control<plat::Label>(QStringLiteral("Label6"));
    Label7 = control<plat::Label>(QStringLiteral("Label7"));
    txtKey = control<plat::TextBox>(QStringLiteral("txtKey"));
    txtPlainTextIn = control<plat::TextBox>(QStringLiteral("txtPlainTextIn"));
    txtCipherText = control<plat::TextBox>(QStringLiteral("txtCipherText"));
    txtPlainTextOut = control<plat::TextBox>(QStringLiteral("txtPlainTextOut"));
    cmdEncrypt = control<plat::CommandButton>(QStringLiteral("cmdEncrypt"));
    cmdDecrypt = control<plat::CommandButton>(QStringLiteral("cmdDecrypt"));
    cmdClose = control<plat::CommandButton>(QStringLiteral("cmdClose"));
    Image1 = control<plat::Image>(QStringLiteral("Image1"));
    Image2 = control<plat::Image>(QStringLiteral("Image2"));
    Image3 = control<plat::Image>(QStringLiteral("Image3"));
    Image4 = control<plat::Image>(QStringLiteral("Image4"));
    Shape1 = control<plat::Shape>(QStringLiteral("Shape1"));

    cmdEncrypt->Click.connect([this] { cmdEncrypt_Click(); });
    cmdDecrypt->Click.connect([this] { cmdDecrypt_Click(); });
    cmdClose->Click.connect([this] { cmdClose_Click(); });
}

void frmEncryptionDemo::Form_Load()
{
    zg::FormFunctions()->CenterFormEx(shared_from_this(), true, false, 0.5f, 0.5f);
    Encryption = zg::NewEncryption();
    // The key is read once; later edits of the box change nothing.
    Encryption->setEncryptionKey(txtKey->Text());
}

void frmEncryptionDemo::Form_QueryUnload(int16_t& Cancel, int16_t& UnloadMode)
{
    Encryption.reset();
}

// Neither handler traps the library's errors: a cipher text that was changed
// or is none, or an empty key, is reported as a run-time error.
void frmEncryptionDemo::cmdEncrypt_Click()
{
    txtCipherText->setText(Encryption->EncryptString(txtPlainTextIn->Text(), QString()));
}

void frmEncryptionDemo::cmdDecrypt_Click()
{
    txtPlainTextOut->setText(Encryption->DecryptString(txtCipherText->Text(), QString()));
}

void frmEncryptionDemo::cmdClose_Click()
{
    Unload();
}
