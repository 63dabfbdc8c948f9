// Encrypting and decrypting 1 MB of text with a key already derived, beside
// the same pipeline written out directly in the same run: the text to UTF-8
// with Qt's codec, libsodium's XChaCha20-Poly1305, Base64 with the faster
// library codec of each direction (Qt's to write it, libsodium's to read
// it), and back to a QString. The goal is at most 1.5 times the direct
// pipeline, compared in the median of the repetitions. The primitive alone
// is shown for scale, and our Base64 codec beside both libraries' on the
// same bytes (goal: no slower than either).
#include "BenchMain.h"

#include <Base64.h>
#include <EncryptionImpl.h>

#include <QString>
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sodium.h>
#include <string>
#include <vector>

namespace {

constexpr int Repetitions = 9; // the ratios below name the medians of 9

const QString& keyText()
{
    static const QString key = QStringLiteral("K4TM8QWZ2RB6NXJ0PC5VLD9HG3SAF7EU1YOI4KR8MZ2WQ6TB0XN5JC9PV3DL7HG1SF4");
    return key;
}

// About 1 MB of UTF-8: mostly ASCII prose with line breaks and a few
// accented letters, as a text box holds it.
const QString& plainText()
{
    static const QString text = [] {
        const QString line = QStringLiteral("Encrypt passwords and important documents: the quick brown fox "
                                            "jumps over the lazy dog. Grüße, façade, 5 € only.\r\n");
        QString t;
        while (t.toUtf8().size() < 1000000)
            t += line.repeated(64);
        return t;
    }();
    return text;
}

struct Direct {
    unsigned char key[crypto_aead_xchacha20poly1305_ietf_KEYBYTES];
    Direct()
    {
        if (sodium_init() < 0)
            std::abort();
        randombytes_buf(key, sizeof key);
    }
};

Direct& direct()
{
    static Direct d;
    return d;
}

constexpr size_t Header = 1 + 16 + crypto_aead_xchacha20poly1305_ietf_NPUBBYTES;

QString encryptDirect(const QString& text)
{
    const QByteArray plain = text.toUtf8();
    std::vector<unsigned char> box(Header + size_t(plain.size()) + crypto_aead_xchacha20poly1305_ietf_ABYTES);
    unsigned char* nonce = box.data() + 1 + 16;
    randombytes_buf(nonce, crypto_aead_xchacha20poly1305_ietf_NPUBBYTES);
    unsigned long long sealed = 0;
    crypto_aead_xchacha20poly1305_ietf_encrypt(box.data() + Header, &sealed,
                                               reinterpret_cast<const unsigned char*>(plain.constData()),
                                               size_t(plain.size()), box.data(), 1, nullptr, nonce, direct().key);
    const QByteArray b64 =
        QByteArray::fromRawData(reinterpret_cast<const char*>(box.data()), qsizetype(box.size())).toBase64();
    return QString::fromLatin1(b64);
}

QString decryptDirect(const QString& cipher)
{
    const QByteArray ascii = cipher.toLatin1();
    std::vector<unsigned char> box(size_t(ascii.size()) / 4 * 3);
    size_t length = 0;
    if (sodium_base642bin(box.data(), box.size(), ascii.constData(), size_t(ascii.size()), nullptr, &length,
                          nullptr, sodium_base64_VARIANT_ORIGINAL) != 0)
        std::abort();
    QByteArray plain(qsizetype(length - Header - crypto_aead_xchacha20poly1305_ietf_ABYTES), Qt::Uninitialized);
    unsigned long long plainLength = 0;
    if (crypto_aead_xchacha20poly1305_ietf_decrypt(reinterpret_cast<unsigned char*>(plain.data()), &plainLength,
                                                   nullptr, box.data() + Header, length - Header, box.data(), 1,
                                                   box.data() + 1 + 16, direct().key) != 0)
        std::abort();
    return QString::fromUtf8(plain);
}

zg::EncryptionImpl& ours()
{
    static zg::EncryptionImpl e;
    static const bool ready = [] {
        e.setEncryptionKey(keyText());
        e.EncryptString(QStringLiteral("derive the key once"));
        return true;
    }();
    (void)ready;
    return e;
}

void setBytes(benchmark::State& state) { state.SetBytesProcessed(state.iterations() * plainText().toUtf8().size()); }

void BM_Encrypt_Ours(benchmark::State& state)
{
    zg::EncryptionImpl& e = ours();
    for (auto _ : state)
        benchmark::DoNotOptimize(e.EncryptString(plainText()));
    setBytes(state);
}

void BM_Encrypt_Direct(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(encryptDirect(plainText()));
    setBytes(state);
}

void BM_Decrypt_Ours(benchmark::State& state)
{
    zg::EncryptionImpl& e = ours();
    const QString cipher = e.EncryptString(plainText());
    if (e.DecryptString(cipher) != plainText())
        state.SkipWithError("the text did not come back");
    for (auto _ : state)
        benchmark::DoNotOptimize(e.DecryptString(cipher));
    setBytes(state);
}

void BM_Decrypt_Direct(benchmark::State& state)
{
    const QString cipher = encryptDirect(plainText());
    if (decryptDirect(cipher) != plainText())
        state.SkipWithError("the text did not come back");
    for (auto _ : state)
        benchmark::DoNotOptimize(decryptDirect(cipher));
    setBytes(state);
}

// The cipher alone on the UTF-8 bytes, for scale.
void BM_Encrypt_PrimitiveOnly(benchmark::State& state)
{
    const QByteArray plain = plainText().toUtf8();
    std::vector<unsigned char> out(size_t(plain.size()) + crypto_aead_xchacha20poly1305_ietf_ABYTES);
    unsigned char nonce[crypto_aead_xchacha20poly1305_ietf_NPUBBYTES] = {};
    for (auto _ : state) {
        unsigned long long n = 0;
        crypto_aead_xchacha20poly1305_ietf_encrypt(out.data(), &n,
                                                   reinterpret_cast<const unsigned char*>(plain.constData()),
                                                   size_t(plain.size()), nullptr, 0, nullptr, nonce, direct().key);
        benchmark::DoNotOptimize(out.data());
    }
    setBytes(state);
}

// The Base64 codecs alone on the sealed bytes of the text.
const std::vector<uint8_t>& sealedBytes()
{
    static const std::vector<uint8_t> bytes = [] {
        std::vector<uint8_t> b(size_t(plainText().toUtf8().size()) + Header + 16);
        randombytes_buf(b.data(), b.size());
        return b;
    }();
    return bytes;
}

void setCodecBytes(benchmark::State& state) { state.SetBytesProcessed(state.iterations() * sealedBytes().size()); }

void BM_Base64Encode_Ours(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = sealedBytes();
    for (auto _ : state) {
        QString text(qsizetype(zg::base64::encodedLength(bytes.size())), Qt::Uninitialized);
        zg::base64::encode(bytes.data(), bytes.size(), reinterpret_cast<char16_t*>(text.data()));
        benchmark::DoNotOptimize(text);
    }
    setCodecBytes(state);
}

void BM_Base64Encode_Libsodium(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = sealedBytes();
    std::vector<char> text(sodium_base64_encoded_len(bytes.size(), sodium_base64_VARIANT_ORIGINAL));
    for (auto _ : state) {
        sodium_bin2base64(text.data(), text.size(), bytes.data(), bytes.size(), sodium_base64_VARIANT_ORIGINAL);
        benchmark::DoNotOptimize(text.data());
    }
    setCodecBytes(state);
}

void BM_Base64Encode_Qt(benchmark::State& state)
{
    const QByteArray bytes =
        QByteArray::fromRawData(reinterpret_cast<const char*>(sealedBytes().data()), qsizetype(sealedBytes().size()));
    for (auto _ : state)
        benchmark::DoNotOptimize(bytes.toBase64());
    setCodecBytes(state);
}

void BM_Base64Decode_Ours(benchmark::State& state)
{
    const std::vector<uint8_t>& bytes = sealedBytes();
    QString text(qsizetype(zg::base64::encodedLength(bytes.size())), Qt::Uninitialized);
    zg::base64::encode(bytes.data(), bytes.size(), reinterpret_cast<char16_t*>(text.data()));
    std::vector<uint8_t> out(zg::base64::maxDecodedLength(size_t(text.size())));
    for (auto _ : state)
        benchmark::DoNotOptimize(zg::base64::decode(text, out.data()));
    setCodecBytes(state);
}

void BM_Base64Decode_Libsodium(benchmark::State& state)
{
    const QByteArray text =
        QByteArray::fromRawData(reinterpret_cast<const char*>(sealedBytes().data()), qsizetype(sealedBytes().size()))
            .toBase64();
    std::vector<uint8_t> out(size_t(text.size()));
    for (auto _ : state) {
        size_t length = 0;
        sodium_base642bin(out.data(), out.size(), text.constData(), size_t(text.size()), nullptr, &length, nullptr,
                          sodium_base64_VARIANT_ORIGINAL);
        benchmark::DoNotOptimize(length);
    }
    setCodecBytes(state);
}

void BM_Base64Decode_Qt(benchmark::State& state)
{
    const QByteArray text =
        QByteArray::fromRawData(reinterpret_cast<const char*>(sealedBytes().data()), qsizetype(sealedBytes().size()))
            .toBase64();
    for (auto _ : state)
        benchmark::DoNotOptimize(QByteArray::fromBase64Encoding(text, QByteArray::AbortOnBase64DecodingErrors));
    setCodecBytes(state);
}

#define ZG_CIPHER_BENCH(name)                                                                                     \
    BENCHMARK(name)->Unit(benchmark::kMillisecond)->Repetitions(Repetitions)->ReportAggregatesOnly(true)

ZG_CIPHER_BENCH(BM_Encrypt_Ours);
ZG_CIPHER_BENCH(BM_Encrypt_Direct);
ZG_CIPHER_BENCH(BM_Decrypt_Ours);
ZG_CIPHER_BENCH(BM_Decrypt_Direct);
ZG_CIPHER_BENCH(BM_Encrypt_PrimitiveOnly);
ZG_CIPHER_BENCH(BM_Base64Encode_Ours);
ZG_CIPHER_BENCH(BM_Base64Encode_Libsodium);
ZG_CIPHER_BENCH(BM_Base64Encode_Qt);
ZG_CIPHER_BENCH(BM_Base64Decode_Ours);
ZG_CIPHER_BENCH(BM_Base64Decode_Libsodium);
ZG_CIPHER_BENCH(BM_Base64Decode_Qt);

} // namespace

int main(int argc, char** argv)
{
    // Buffers of a few megabytes each: without this the allocator gives
    // them back to the system after each round or not, depending on how
    // their sizes add up, and the first touch of fresh pages (costly on a
    // virtual machine) would decide the comparison rather than the work.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 256 << 20);
    auto median = [](const char* name) { return std::string(name) + "/repeats:9_median"; };
    return zgbench::runWithRatios(argc, argv,
                                  {{median("BM_Encrypt_Ours"), median("BM_Encrypt_Direct")},
                                   {median("BM_Decrypt_Ours"), median("BM_Decrypt_Direct")},
                                   {median("BM_Base64Encode_Ours"), median("BM_Base64Encode_Libsodium")},
                                   {median("BM_Base64Encode_Ours"), median("BM_Base64Encode_Qt")},
                                   {median("BM_Base64Decode_Ours"), median("BM_Base64Decode_Libsodium")},
                                   {median("BM_Base64Decode_Ours"), median("BM_Base64Decode_Qt")}});
}
