// The Encryption demo's window with the real encryption object: the key read
// once at load, Encrypt then Decrypt, and errors reported as the runtime
// reports an untrapped error.
#include "frmEncryptionDemo.h"

#include <Application.h>
#include <Buttons.h>
#include <Label.h>
#include <Library.h>
#include <MsgBox.h>
#include <QtPrinters.h>
#include <Register.h>
#include <TextBox.h>
#include <ZorvaneEncryption.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace {

class EncryptionDemo : public ::testing::Test {
protected:
    void SetUp() override
    {
        zg::registerLibrary();
        plat::setMsgBoxHook([this](const plat::MsgBoxRequest& r) {
            boxes << r.prompt;
            return plat::mb::OK;
        });
        form = plat::formInstance<frmEncryptionDemo>();
        form->Load();
    }
    void TearDown() override
    {
        plat::setMsgBoxHook(nullptr);
        form.reset();
        plat::resetUiForTests();
        zg::resetForTests();
    }
    QStringList boxes;
    std::shared_ptr<frmEncryptionDemo> form;
};

TEST_F(EncryptionDemo, StartsWithItsCaptionTheDefaultKeyAndTheSampleText)
{
    EXPECT_EQ(form->Caption(), "ZorvaneGlobals 3.0 - ZorvaneEncryption Demo");
    const QString key = form->txtKey->Text();
    EXPECT_EQ(key.size(), 128);
    for (QChar c : key)
        EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9'));
    EXPECT_EQ(form->Encryption->EncryptionKey(), key);
    EXPECT_TRUE(form->txtPlainTextIn->Text().endsWith("\r\n"));
    EXPECT_EQ(form->txtCipherText->Text(), "");
    EXPECT_EQ(form->cmdEncrypt->Caption(), "&Encrypt!");
    EXPECT_EQ(form->cmdDecrypt->Caption(), "&Decrypt!");
    EXPECT_TRUE(form->Label2->Caption().contains("Encrypting && Decrypting"));
}

// The boxes open at the start of their texts: the key's first characters
// in view with the caret before them, not the end of the 128.
TEST_F(EncryptionDemo, TheBoxesShowTheirTextsFromTheStart)
{
    form->Show();
    QCoreApplication::processEvents();
    auto* key = qobject_cast<QLineEdit*>(form->txtKey->widget());
    ASSERT_TRUE(key);
    EXPECT_EQ(key->cursorPosition(), 0);
    EXPECT_LT(key->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8);
    EXPECT_EQ(form->txtKey->SelStart(), 0);
    EXPECT_EQ(form->txtPlainTextIn->SelStart(), 0);
    form->cmdEncrypt->press();
    EXPECT_EQ(form->txtCipherText->SelStart(), 0);
    form->cmdDecrypt->press();
    EXPECT_EQ(form->txtPlainTextOut->SelStart(), 0);
}

TEST_F(EncryptionDemo, EncryptThenDecryptGivesTheTextBackAndTwoEncryptionsDiffer)
{
    form->cmdEncrypt->press();
    const QString first = form->txtCipherText->Text();
    EXPECT_FALSE(first.isEmpty());
    EXPECT_FALSE(first.contains("ZorvaneEncryption"));
    form->cmdDecrypt->press();
    EXPECT_EQ(form->txtPlainTextOut->Text(), form->txtPlainTextIn->Text());
    form->cmdEncrypt->press();
    EXPECT_NE(form->txtCipherText->Text(), first);

    // An empty text goes through unchanged; the key box is read only at load.
    form->txtPlainTextIn->setText("");
    form->txtKey->setText("another key");
    form->cmdEncrypt->press();
    form->txtPlainTextOut->setText("stale");
    form->cmdDecrypt->press();
    EXPECT_EQ(form->txtPlainTextOut->Text(), "");
    form->txtCipherText->setText(first);
    form->cmdDecrypt->press();
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join('|').toStdString();
}

TEST_F(EncryptionDemo, AChangedCipherTextIsARunTimeErrorAndLeavesThePlainTextAlone)
{
    form->cmdEncrypt->press();
    QString cipher = form->txtCipherText->Text();
    cipher[10] = cipher[10] == 'x' ? 'y' : 'x';
    form->txtCipherText->setText(cipher);
    form->txtPlainTextOut->setText("before");
    form->cmdDecrypt->press();
    ASSERT_EQ(boxes.size(), 1);
    EXPECT_TRUE(boxes[0].contains("Run-time error '5'")) << boxes[0].toStdString();
    EXPECT_EQ(form->txtPlainTextOut->Text(), "before");
    form->txtCipherText->setText("not cipher text at all");
    form->cmdDecrypt->press();
    EXPECT_EQ(boxes.size(), 2);
    EXPECT_EQ(form->txtPlainTextOut->Text(), "before");
}

TEST_F(EncryptionDemo, UnloadReleasesTheWindowsObject)
{
    std::weak_ptr<zg::ZorvaneEncryption> object = form->Encryption;
    form->cmdClose->press();
    EXPECT_TRUE(object.expired());
}

} // namespace
