// Zip archives of workbooks, read member by member with zlib: the spreadsheet library trusts what
// an archive declares and hands on whatever a damaged stream inflates to, so every member is
// checked here first, and a workbook with one damaged member is refused whole.
#include "pacotezip.h"

#include <algorithm>
#include <zlib.h>

namespace corvel {

namespace {

constexpr quint32 kFimDiretorio = 0x06054b50u;
constexpr quint32 kEntradaDiretorio = 0x02014b50u;
constexpr quint32 kCabecalhoLocal = 0x04034b50u;
constexpr quint16 kArmazenado = 0;
constexpr quint16 kDeflate = 8;
constexpr quint16 kCifrado = 0x0001;
constexpr quint16 kDescritorAposDados = 0x0008;
constexpr quint32 kZip64 = 0xFFFFFFFFu; // sizes and offsets that only a ZIP64 record completes

quint32 le32(const QByteArray& b, qint64 i) {
    quint32 v = 0;
    for (int k = 3; k >= 0; --k)
        v = (v << 8) | static_cast<quint8>(b[i + k]);
    return v;
}
quint16 le16(const QByteArray& b, qint64 i) {
    return static_cast<quint16>(static_cast<quint8>(b[i]) | (static_cast<quint8>(b[i + 1]) << 8));
}
void poe32(QByteArray& b, quint32 v) {
    for (int k = 0; k < 4; ++k)
        b += static_cast<char>((v >> (8 * k)) & 0xFF);
}
void poe16(QByteArray& b, quint16 v) {
    b += static_cast<char>(v & 0xFF);
    b += static_cast<char>(v >> 8);
}

struct Entrada {
    QByteArray nome;
    quint16 metodo = 0;
    quint32 crc = 0;
    qint64 compactado = 0;
    qint64 descompactado = 0;
    qint64 inicioDados = 0;
};

// The central directory, each entry checked against the file and its local header.
std::optional<std::vector<Entrada>> diretorio(const QByteArray& b) {
    const qint64 n = b.size();
    qint64 fim = -1;
    for (qint64 i = n - 22; i >= 0 && i >= n - 22 - 65535; --i)
        if (le32(b, i) == kFimDiretorio) {
            fim = i;
            break;
        }
    if (fim < 0) return std::nullopt;
    const qint64 entradas = le16(b, fim + 10);
    const qint64 tamanhoDiretorio = le32(b, fim + 12);
    qint64 pos = le32(b, fim + 16);
    if (le16(b, fim + 4) != 0 || le16(b, fim + 6) != 0 || le16(b, fim + 8) != entradas ||
        pos + tamanhoDiretorio > fim)
        return std::nullopt; // split over several disks, or a directory outside the file
    std::vector<Entrada> lidas;
    qint64 total = 0;
    for (qint64 e = 0; e < entradas; ++e) {
        if (pos + 46 > fim || le32(b, pos) != kEntradaDiretorio) return std::nullopt;
        Entrada d;
        const quint16 bandeiras = le16(b, pos + 8);
        d.metodo = le16(b, pos + 10);
        d.crc = le32(b, pos + 16);
        const quint32 compactado = le32(b, pos + 20), descompactado = le32(b, pos + 24);
        const qint64 tamanhoNome = le16(b, pos + 28);
        const qint64 local = le32(b, pos + 42);
        const qint64 proxima = pos + 46 + tamanhoNome + le16(b, pos + 30) + le16(b, pos + 32);
        if (proxima > fim || compactado == kZip64 || descompactado == kZip64 || local == kZip64 ||
            (bandeiras & kCifrado) || (d.metodo != kArmazenado && d.metodo != kDeflate) ||
            (d.metodo == kArmazenado && compactado != descompactado))
            return std::nullopt;
        d.compactado = compactado;
        d.descompactado = descompactado;
        d.nome = b.mid(pos + 46, tamanhoNome);
        total += d.descompactado;
        if (d.descompactado > kDescompactadoMaximo || total > kDescompactadoMaximo ||
            local + 30 > n || le32(b, local) != kCabecalhoLocal)
            return std::nullopt;
        // The local header names the same member and, unless a data descriptor follows the data,
        // repeats its checksum and sizes.
        const qint64 nomeLocal = le16(b, local + 26);
        d.inicioDados = local + 30 + nomeLocal + le16(b, local + 28);
        if (d.inicioDados > n || b.mid(local + 30, nomeLocal) != d.nome ||
            le16(b, local + 8) != d.metodo || d.compactado > n - d.inicioDados)
            return std::nullopt;
        if ((le16(b, local + 6) & kDescritorAposDados) == 0 &&
            (le32(b, local + 14) != d.crc || le32(b, local + 18) != compactado ||
             le32(b, local + 22) != descompactado))
            return std::nullopt;
        lidas.push_back(std::move(d));
        pos = proxima;
    }
    return lidas;
}

// Inflates a raw deflate stream that must end exactly at its last byte and give exactly
// `descompactado` bytes. The output grows as it comes, so a stream that declares much and holds
// little costs little.
std::optional<QByteArray> inflar(const char* dados, qint64 compactado, qint64 descompactado) {
    z_stream z{};
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK) return std::nullopt;
    QByteArray saida;
    saida.resize(std::min<qint64>(descompactado + 1, 1 << 20));
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(dados));
    z.avail_in = static_cast<uInt>(compactado);
    int r = Z_OK;
    while (r == Z_OK) {
        if (static_cast<qint64>(z.total_out) == saida.size()) {
            if (saida.size() > descompactado) break; // more than declared
            saida.resize(std::min<qint64>(descompactado + 1, saida.size() * 2));
        }
        z.next_out = reinterpret_cast<Bytef*>(saida.data()) + z.total_out;
        z.avail_out = static_cast<uInt>(saida.size() - static_cast<qint64>(z.total_out));
        r = inflate(&z, Z_NO_FLUSH);
    }
    const bool inteiro =
        r == Z_STREAM_END && z.avail_in == 0 && static_cast<qint64>(z.total_out) == descompactado;
    inflateEnd(&z);
    if (!inteiro) return std::nullopt;
    saida.truncate(descompactado);
    return saida;
}

} // namespace

bool zipPlausivel(const QByteArray& arquivo) {
    return diretorio(arquivo).has_value();
}

std::optional<std::vector<MembroZip>> membrosZip(const QByteArray& arquivo) {
    const auto entradas = diretorio(arquivo);
    if (!entradas) return std::nullopt;
    std::vector<MembroZip> membros;
    membros.reserve(entradas->size());
    for (const Entrada& e : *entradas) {
        const char* inicio = arquivo.constData() + e.inicioDados;
        std::optional<QByteArray> dados;
        if (e.metodo == kArmazenado)
            dados = QByteArray(inicio, static_cast<qsizetype>(e.descompactado));
        else
            dados = inflar(inicio, e.compactado, e.descompactado);
        if (!dados || crc32(0, reinterpret_cast<const Bytef*>(dados->constData()),
                            static_cast<uInt>(dados->size())) != e.crc)
            return std::nullopt;
        membros.push_back({e.nome, std::move(*dados)});
    }
    return membros;
}

QByteArray montarZip(const std::vector<MembroZip>& membros) {
    QByteArray zip, central;
    for (const MembroZip& m : membros) {
        const auto crc =
            static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef*>(m.dados.constData()),
                                       static_cast<uInt>(m.dados.size())));
        const auto tamanho = static_cast<quint32>(m.dados.size());
        // Version 2.0, no flags, stored, no date: the fields every reader knows, in the order the
        // local header and the directory entry share.
        auto camposComuns = [&](QByteArray& b) {
            poe16(b, 20);
            poe16(b, 0);
            poe16(b, kArmazenado);
            poe32(b, 0);
            poe32(b, crc);
            poe32(b, tamanho);
            poe32(b, tamanho);
            poe16(b, static_cast<quint16>(m.nome.size()));
            poe16(b, 0);
        };
        poe32(central, kEntradaDiretorio);
        poe16(central, 20); // made by
        camposComuns(central);
        poe16(central, 0); // comment
        poe16(central, 0); // disk
        poe16(central, 0); // internal attributes
        poe32(central, 0); // external attributes
        poe32(central, static_cast<quint32>(zip.size()));
        central += m.nome;

        poe32(zip, kCabecalhoLocal);
        camposComuns(zip);
        zip += m.nome;
        zip += m.dados;
    }
    const auto inicioDiretorio = static_cast<quint32>(zip.size());
    zip += central;
    poe32(zip, kFimDiretorio);
    poe16(zip, 0);
    poe16(zip, 0);
    poe16(zip, static_cast<quint16>(membros.size()));
    poe16(zip, static_cast<quint16>(membros.size()));
    poe32(zip, static_cast<quint32>(central.size()));
    poe32(zip, inicioDiretorio);
    poe16(zip, 0);
    return zip;
}

} // namespace corvel
