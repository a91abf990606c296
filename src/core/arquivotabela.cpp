// Snapshot encoding and decoding. The decoder trusts nothing: every count is checked against the
// bytes that remain before anything is allocated, so no input can make it crash or over-allocate.
#include "arquivotabela.h"

#include "erros.h"
#include "gravacao.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <QTimeZone>
#include <array>
#include <cstring>
#include <limits>
#include <set>

namespace corvel {

namespace {

constexpr char kAssinatura[8] = {'C', 'O', 'R', 'V', 'E', 'L', 'T', 'B'};
constexpr quint16 kVersao = 1;
constexpr int kMaxCampos = 1024;
constexpr int kMaxNome = 255;
// A null cell costs one bit in the file and a whole Valor in memory: the cells a file may declare
// are bounded by its size, so a small crafted file cannot demand gigabytes. The allowance is far
// above any table the program writes (a century of months is under 50 000 cells).
constexpr qint64 kMemoriaLivre = 16LL * 1024 * 1024;
constexpr qint64 kMemoriaPorByte = 8;

// Day zero of the stored date-times (milliseconds since 1970-01-01 00:00).
const QDateTime& epoca() {
    static const QDateTime e(QDate(1970, 1, 1), QTime(0, 0), Qt::UTC);
    return e;
}
// Dates kept between years 1 and 9999.
constexpr qint64 kMsMin = -62135596800000LL;
constexpr qint64 kMsMax = 253402300799999LL;

class Escritor {
  public:
    template <typename T> void inteiro(T v, int bytes = sizeof(T)) {
        auto u = static_cast<quint64>(v);
        char b[8];
        for (int i = 0; i < bytes; ++i) {
            b[i] = static_cast<char>(u & 0xFFu);
            u >>= 8;
        }
        dados.append(b, bytes);
    }
    void real(double v) {
        quint64 u = 0;
        std::memcpy(&u, &v, sizeof u);
        inteiro(u);
    }
    void bytes(const QByteArray& b) { dados.append(b); }
    QByteArray dados;
};

class Leitor {
  public:
    Leitor(const QByteArray& b, qsizetype fim, const QString& origem)
        : dados_(b), fim_(fim), origem_(origem) {}

    qsizetype restante() const { return fim_ - pos_; }

    [[noreturn]] void falha() const {
        throw ErroArquivo(
            QStringLiteral("O arquivo \"%1\" está truncado ou danificado.").arg(origem_));
    }
    void exigir(qsizetype n) const {
        if (n < 0 || n > restante()) falha();
    }
    quint64 sem(int bytes) {
        exigir(bytes);
        quint64 u = 0;
        for (int i = bytes - 1; i >= 0; --i)
            u = (u << 8) | static_cast<quint8>(dados_[pos_ + i]);
        pos_ += bytes;
        return u;
    }
    qint64 com(int bytes) {
        const quint64 u = sem(bytes);
        if (bytes == 8) return static_cast<qint64>(u);
        const quint64 sinal = quint64{1} << (bytes * 8 - 1);
        return static_cast<qint64>((u ^ sinal) - sinal);
    }
    double real() {
        const quint64 u = sem(8);
        double v = 0;
        std::memcpy(&v, &u, sizeof v);
        return v;
    }
    QString utf8(qsizetype n) {
        exigir(n);
        QStringDecoder dec(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless |
                                                     QStringDecoder::Flag::ConvertInitialBom);
        QString s = dec(QByteArrayView(dados_.constData() + pos_, n));
        if (dec.hasError()) falha();
        pos_ += n;
        return s;
    }
    const char* atual() const { return dados_.constData() + pos_; }
    void avancar(qsizetype n) {
        exigir(n);
        pos_ += n;
    }

  private:
    const QByteArray& dados_;
    qsizetype fim_;
    qsizetype pos_ = 0;
    const QString& origem_;
};

bool tamanhoValido(TipoCampo tipo, quint32 tamanho) {
    switch (tipo) {
    case TipoCampo::Inteiro:
        return tamanho == 2 || tamanho == 4 || tamanho == 8;
    case TipoCampo::Texto:
        return tamanho <= 65535;
    case TipoCampo::Real:
    case TipoCampo::DataHora:
    case TipoCampo::Logico:
        return tamanho == 0;
    }
    return false;
}

} // namespace

// Reflected, polynomial 0xEDB88320, eight bytes per step ("slicing by 8", eight tables derived
// from the byte table): reading a folder of hundreds of projects spends most of its time here.
quint32 crc32(const char* dados, qsizetype n) {
    static const auto tabelas = [] {
        std::array<std::array<quint32, 256>, 8> t{};
        for (quint32 i = 0; i < 256; ++i) {
            quint32 c = i;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[0][i] = c;
        }
        for (std::size_t k = 1; k < 8; ++k)
            for (std::size_t i = 0; i < 256; ++i)
                t[k][i] = (t[k - 1][i] >> 8) ^ t[0][t[k - 1][i] & 0xFFu];
        return t;
    }();
    const auto byte = [&](qsizetype i) { return static_cast<quint8>(dados[i]); };
    quint32 crc = 0xFFFFFFFFu;
    qsizetype i = 0;
    for (; i + 8 <= n; i += 8) {
        const quint32 a = crc ^ (quint32{byte(i)} | quint32{byte(i + 1)} << 8 |
                                 quint32{byte(i + 2)} << 16 | quint32{byte(i + 3)} << 24);
        crc = tabelas[7][a & 0xFFu] ^ tabelas[6][(a >> 8) & 0xFFu] ^ tabelas[5][(a >> 16) & 0xFFu] ^
              tabelas[4][a >> 24] ^ tabelas[3][byte(i + 4)] ^ tabelas[2][byte(i + 5)] ^
              tabelas[1][byte(i + 6)] ^ tabelas[0][byte(i + 7)];
    }
    for (; i < n; ++i)
        crc = tabelas[0][(crc ^ byte(i)) & 0xFFu] ^ (crc >> 8);
    return crc ^ 0xFFFFFFFFu;
}

QByteArray codificarTabela(const Tabela& tabela) {
    Escritor w;
    // Most cells are 8-byte numbers: one allocation for the whole file in the usual case.
    w.dados.reserve(64 + tabela.linhas() * (tabela.numeroCampos() * 9 + 8));
    w.dados.append(kAssinatura, sizeof kAssinatura);
    w.inteiro(kVersao);
    const auto& campos = tabela.campos();
    w.inteiro(static_cast<quint16>(campos.size()));
    for (const Campo& c : campos) {
        const QByteArray nome = c.nome.toUtf8();
        w.inteiro(static_cast<quint8>(c.tipo));
        w.inteiro(static_cast<quint32>(c.tamanho));
        w.inteiro(static_cast<quint16>(nome.size()));
        w.bytes(nome);
    }
    w.inteiro(static_cast<quint32>(tabela.linhas()));
    const int n = tabela.numeroCampos();
    QByteArray mapa((n + 7) / 8, '\0');
    for (qsizetype l = 0; l < tabela.linhas(); ++l) {
        mapa.fill('\0');
        for (int c = 0; c < n; ++c)
            if (tabela.nulo(l, c)) mapa[c / 8] = static_cast<char>(mapa[c / 8] | (1 << (c % 8)));
        w.bytes(mapa);
        for (int c = 0; c < n; ++c) {
            const Valor& v = tabela.valor(l, c);
            const Campo& campo = campos[static_cast<std::size_t>(c)];
            if (std::holds_alternative<std::monostate>(v)) continue;
            switch (campo.tipo) {
            case TipoCampo::Inteiro:
                w.inteiro(std::get<qint64>(v), campo.tamanho);
                break;
            case TipoCampo::Real:
                w.real(std::get<double>(v));
                break;
            case TipoCampo::Texto: {
                const QByteArray t = std::get<QString>(v).toUtf8();
                w.inteiro(static_cast<quint32>(t.size()));
                w.bytes(t);
                break;
            }
            case TipoCampo::DataHora:
                w.inteiro(epoca().msecsTo(std::get<QDateTime>(v)));
                break;
            case TipoCampo::Logico:
                w.inteiro(static_cast<quint8>(std::get<bool>(v) ? 1 : 0));
                break;
            }
        }
    }
    w.inteiro(crc32(w.dados.constData(), w.dados.size()));
    return w.dados;
}

Tabela decodificarTabela(const QByteArray& bytes, const QString& origem) {
    if (bytes.size() < qsizetype(sizeof kAssinatura) ||
        std::memcmp(bytes.constData(), kAssinatura, sizeof kAssinatura) != 0)
        throw ErroArquivo(
            QStringLiteral("O arquivo \"%1\" não é uma tabela do Corvel.").arg(origem));
    const qsizetype corpo = bytes.size() - 4;
    Leitor r(bytes, corpo, origem);
    r.avancar(sizeof kAssinatura);
    const auto versao = r.sem(2);
    if (versao != kVersao)
        throw ErroArquivo(
            QStringLiteral("O arquivo \"%1\" foi gravado por uma versão desconhecida do Corvel.")
                .arg(origem));
    {
        Leitor soma(bytes, bytes.size(), origem);
        soma.avancar(corpo);
        if (soma.sem(4) != crc32(bytes.constData(), corpo))
            throw ErroArquivo(QStringLiteral("O arquivo \"%1\" está danificado (soma de "
                                             "verificação incorreta).")
                                  .arg(origem));
    }

    const auto nCampos = static_cast<int>(r.sem(2));
    if (nCampos > kMaxCampos) r.falha();
    std::vector<Campo> campos;
    std::set<QString> nomes;
    for (int i = 0; i < nCampos; ++i) {
        const auto tipo = static_cast<TipoCampo>(r.sem(1));
        const auto tamanho = static_cast<quint32>(r.sem(4));
        const auto nNome = static_cast<qsizetype>(r.sem(2));
        if (nNome == 0 || nNome > kMaxNome || !tamanhoValido(tipo, tamanho)) r.falha();
        Campo c{r.utf8(nNome), tipo, static_cast<int>(tamanho)};
        if (!nomes.insert(c.nome.toCaseFolded()).second) r.falha();
        campos.push_back(std::move(c));
    }
    Tabela t(campos);
    const auto nLinhas = static_cast<qsizetype>(r.sem(4));
    const qsizetype tamMapa = (nCampos + 7) / 8;
    // Every row holds at least its null bitmap: bound the row count before reserving memory.
    if (nLinhas > 0 && (tamMapa == 0 || nLinhas > r.restante() / tamMapa)) r.falha();
    const qint64 celulasPermitidas =
        (kMemoriaLivre + kMemoriaPorByte * bytes.size()) / static_cast<qint64>(sizeof(Valor));
    if (nLinhas * nCampos > celulasPermitidas) r.falha();
    t.reservar(nLinhas);
    for (qsizetype l = 0; l < nLinhas; ++l) {
        const char* mapa = r.atual();
        r.avancar(tamMapa);
        const qsizetype linha = t.acrescentarLinha();
        for (int c = 0; c < nCampos; ++c) {
            if (mapa[c / 8] & (1 << (c % 8))) continue;
            const Campo& campo = campos[static_cast<std::size_t>(c)];
            Valor v;
            switch (campo.tipo) {
            case TipoCampo::Inteiro:
                v = r.com(campo.tamanho);
                break;
            case TipoCampo::Real:
                v = r.real();
                break;
            case TipoCampo::Texto:
                v = r.utf8(static_cast<qsizetype>(r.sem(4)));
                break;
            case TipoCampo::DataHora: {
                const qint64 ms = r.com(8);
                if (ms < kMsMin || ms > kMsMax) r.falha();
                v = epoca().addMSecs(ms);
                break;
            }
            case TipoCampo::Logico: {
                const auto b = r.sem(1);
                if (b > 1) r.falha();
                v = b == 1;
                break;
            }
            }
            t.definir(linha, c, std::move(v));
        }
        // Bits past the last field must be clear.
        for (int c = nCampos; c < tamMapa * 8; ++c)
            if (mapa[c / 8] & (1 << (c % 8))) r.falha();
    }
    if (r.restante() != 0) r.falha();
    return t;
}

void gravarTabela(const QString& caminho, const Tabela& tabela) {
    gravarArquivoAtomico(caminho, codificarTabela(tabela));
}

Tabela lerTabela(const QString& caminho) {
    const QString nome = QFileInfo(caminho).fileName();
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly))
        throw ErroArquivo(QStringLiteral("Não foi possível abrir o arquivo \"%1\": %2")
                              .arg(nome, f.errorString()));
    if (f.size() > kTamanhoMaximoTabela)
        throw ErroArquivo(
            QStringLiteral("O arquivo \"%1\" é grande demais para ser uma tabela do Corvel.")
                .arg(nome));
    const QByteArray dados = f.readAll();
    if (f.error() != QFileDevice::NoError)
        throw ErroArquivo(
            QStringLiteral("Não foi possível ler o arquivo \"%1\": %2").arg(nome, f.errorString()));
    return decodificarTabela(dados, nome);
}

} // namespace corvel
