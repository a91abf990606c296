// Transformation files applied to an answer while it is read.
#include "leitorxml.h"
#include "mapeamento.h"

#include <QHash>
#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace corvel {

namespace {

bool mesmoNome(QByteArrayView a, QByteArrayView b) {
    return qstrnicmp(a.data(), a.size(), b.data(), b.size()) == 0;
}

// "[-]digits[,digits]" (the mapping's separator) with few digits, the usual flow, read without
// from_chars: the digits as a whole number below 2^53 divided by a power of ten up to 10^22 are
// both exact doubles, so the one division is correctly rounded and gives what from_chars gives
// (Clinger's fast path). Anything else is left to from_chars.
std::optional<double> decimalSimples(const char* p, const char* fim, char separador) {
    static constexpr double kPotencias[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                            1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                            1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    const bool negativo = p < fim && *p == '-';
    if (negativo) ++p;
    quint64 m = 0;
    int digitos = 0, decimais = 0;
    bool ponto = false;
    for (; p < fim; ++p) {
        if (*p >= '0' && *p <= '9') {
            if (++digitos > 18) return std::nullopt;
            m = m * 10 + quint64(*p - '0');
            decimais += ponto ? 1 : 0;
        } else if (*p == separador && !ponto && digitos > 0) {
            ponto = true;
        } else {
            return std::nullopt;
        }
    }
    if (digitos == 0 || (ponto && decimais == 0) || m > (quint64(1) << 53) || decimais > 22)
        return std::nullopt;
    const double v = double(m) / kPotencias[decimais];
    return negativo ? -v : v;
}

QByteArrayView vista(const std::string& s) {
    return QByteArrayView(s.data(), qsizetype(s.size()));
}

QByteArrayView aparado(QByteArrayView t) {
    auto espaco = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    qsizetype i = 0, f = t.size();
    while (i < f && espaco(t[i]))
        ++i;
    while (f > i && espaco(t[f - 1]))
        --f;
    return t.sliced(i, f - i);
}

// Builds the table while the answer is read: one row per row element, each field converted when
// its element ends.
class Construtor : public ConsumidorXml {
  public:
    explicit Construtor(const Mapeamento& m) : m_(m) {
        for (std::size_t i = 0; i < m_.campos.size(); ++i) {
            const CampoMapeado& c = m_.campos[i];
            if (c.origem == OrigemCampo::Elemento)
                indice_.insert(nomeEmMinusculas(c.nomeOrigem), int(i));
        }
        recomecar();
    }

    ResultadoMapeamento resultado() { return {std::move(tabela_), std::move(recusa_)}; }

    void recomecar() override {
        tabela_ = Tabela(m_.camposTabela());
        recusa_.reset();
        profundidade_ = 0;
        linhas_ = 0;
        linhaProfundidade_ = campoProfundidade_ = recusaProfundidade_ = motivoProfundidade_ = -1;
        campo_ = -1;
        motivoLido_ = false;
    }

    void inicio(QByteArrayView nome, std::span<const AtributoXml> atributos) override {
        ++profundidade_;
        if (linhaProfundidade_ < 0) {
            if (mesmoNome(nome, m_.elementoLinha)) {
                linhaProfundidade_ = profundidade_;
                comecarLinha(atributos);
            } else {
                acompanharRecusa(nome);
            }
        } else if (campo_ < 0 && profundidade_ == linhaProfundidade_ + 1) {
            campo_ = procurar(nome);
            if (campo_ >= 0 && preenchido_[std::size_t(campo_)]) campo_ = -1; // first one stands
            if (campo_ >= 0) {
                campoProfundidade_ = profundidade_;
                texto_.clear();
            }
        }
    }

    bool querTexto() const override { return campo_ >= 0 || motivoProfundidade_ >= 0; }

    void texto(QByteArrayView utf8) override {
        if (campo_ >= 0 || motivoProfundidade_ >= 0)
            texto_.append(utf8.data(), std::size_t(utf8.size()));
    }

    void fim() override {
        if (campo_ >= 0 && profundidade_ == campoProfundidade_) {
            preenchido_[std::size_t(campo_)] = true;
            definir(campo_, vista(texto_));
            campo_ = -1;
        } else if (profundidade_ == linhaProfundidade_) {
            linhaProfundidade_ = -1;
        }
        if (profundidade_ == motivoProfundidade_) {
            if (!recusa_) recusa_ = QString::fromUtf8(aparado(vista(texto_)));
            motivoProfundidade_ = -1;
            motivoLido_ = true;
        }
        if (profundidade_ == recusaProfundidade_) {
            if (!recusa_) recusa_ = QString(); // refused without a reason
            recusaProfundidade_ = -1;
        }
        --profundidade_;
    }

  private:
    struct Lembrado {
        std::string nome;
        int campo = -1; // -1: no field
    };

    void acompanharRecusa(QByteArrayView nome) {
        if (m_.elementoRecusa.isEmpty() || linhaProfundidade_ >= 0) return;
        if (recusaProfundidade_ < 0) {
            if (!mesmoNome(nome, m_.elementoRecusa)) return;
            recusaProfundidade_ = profundidade_;
            motivoLido_ = false;
            if (m_.elementoMotivo.isEmpty()) comecarMotivo();
        } else if (!motivoLido_ && motivoProfundidade_ < 0 &&
                   profundidade_ == recusaProfundidade_ + 1 && mesmoNome(nome, m_.elementoMotivo)) {
            comecarMotivo();
        }
    }

    void comecarMotivo() {
        motivoProfundidade_ = profundidade_;
        texto_.clear();
    }

    void comecarLinha(std::span<const AtributoXml> atributos) {
        linha_ = tabela_.acrescentarLinha();
        ++linhas_;
        preenchido_.assign(m_.campos.size(), false);
        for (std::size_t i = 0; i < m_.campos.size(); ++i) {
            const CampoMapeado& c = m_.campos[i];
            if (c.origem != OrigemCampo::Atributo) continue;
            for (const AtributoXml& a : atributos)
                if (mesmoNome(a.nome, c.nomeOrigem)) {
                    definir(int(i), a.valor);
                    break;
                }
        }
    }

    // The field fed by a child element. The few names of an answer's rows are remembered, with
    // their field, in a small table indexed by a hash of the name as written.
    int procurar(QByteArrayView nome) {
        // The first and last eight bytes tell the names of one answer apart well enough; a
        // collision only costs a look-up in the index.
        quint64 a = 0, b = 0;
        const std::size_t n = std::size_t(nome.size());
        std::memcpy(&a, nome.data(), std::min<std::size_t>(n, 8));
        if (n > 8) std::memcpy(&b, nome.data() + n - 8, 8);
        const quint64 h = (a * 0x9E3779B97F4A7C15ULL) ^ (b * 0xC2B2AE3D27D4EB4FULL) ^ n;
        Lembrado& l = lembrados_[h >> (64 - kBitsLembrados)];
        if (l.nome.size() == n && std::memcmp(l.nome.data(), nome.data(), n) == 0) return l.campo;
        l.nome.assign(nome.data(), std::size_t(nome.size()));
        l.campo = buscar(nome);
        return l.campo;
    }

    int buscar(QByteArrayView nome) {
        chave_.resize(nome.size());
        for (qsizetype i = 0; i < nome.size(); ++i) {
            const char c = nome[i];
            chave_[i] = (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
        }
        const auto it = indice_.constFind(chave_);
        return it == indice_.cend() ? -1 : *it;
    }

    [[noreturn]] void recusar(int campo, QByteArrayView texto, const char* oQueDeveriaSer) {
        QString t = QString::fromUtf8(texto.first(std::min<qsizetype>(texto.size(), 60)));
        if (texto.size() > 60) t += QStringLiteral("...");
        throw ErroConversao(QStringLiteral("%1 %2, campo %3: '%4' não é %5")
                                .arg(QString::fromUtf8(m_.elementoLinha))
                                .arg(linhas_)
                                .arg(m_.campos[std::size_t(campo)].campo.nome, t,
                                     QString::fromUtf8(oQueDeveriaSer)));
    }

    void definir(int campo, QByteArrayView bruto) {
        const QByteArrayView t = aparado(bruto);
        if (t.isEmpty()) return;
        const Campo& c = m_.campos[std::size_t(campo)].campo;
        switch (c.tipo) {
        case TipoCampo::Inteiro: {
            const QByteArrayView d = t.startsWith('+') ? t.sliced(1) : t;
            qint64 v = 0;
            const auto [fim, erro] = std::from_chars(d.data(), d.data() + d.size(), v);
            const qint64 limite = c.tamanho == 2   ? std::numeric_limits<qint16>::max()
                                  : c.tamanho == 4 ? std::numeric_limits<qint32>::max()
                                                   : std::numeric_limits<qint64>::max();
            if (d.isEmpty() || (d[0] == '-' && t[0] == '+') || erro != std::errc() ||
                fim != d.data() + d.size() || v > limite || v < -limite - 1)
                recusar(campo, t, "um número inteiro válido");
            tabela_.definir(linha_, campo, v);
            break;
        }
        case TipoCampo::Real: {
            if (const std::optional<double> simples =
                    decimalSimples(t.data(), t.data() + t.size(), m_.separadorDecimal)) {
                tabela_.definir(linha_, campo, *simples);
                break;
            }
            const QByteArrayView d = t.startsWith('+') ? t.sliced(1) : t;
            if (d.size() > 64 || d.isEmpty() || (d[0] == '-' && t[0] == '+'))
                recusar(campo, t, "um número válido");
            char copia[64];
            for (qsizetype i = 0; i < d.size(); ++i) {
                const char ch = d[i];
                // Only the mapping's separator is a decimal point.
                if (ch == '.' || ch == ',')
                    copia[i] = ch == m_.separadorDecimal ? '.' : 'x';
                else
                    copia[i] = ch;
            }
            double v = 0;
            const auto [fim, erro] = std::from_chars(copia, copia + d.size(), v);
            if (erro != std::errc() || fim != copia + d.size() || !std::isfinite(v))
                recusar(campo, t, "um número válido");
            tabela_.definir(linha_, campo, v);
            break;
        }
        case TipoCampo::Texto:
            tabela_.definir(linha_, campo, QString::fromUtf8(t));
            break;
        case TipoCampo::DataHora: {
            // Year in characters 1 to 4, month in 6 and 7, day in 9 and 10; a time may follow.
            auto numero = [&](qsizetype de, qsizetype n) {
                int v = 0;
                for (qsizetype i = de; i < de + n; ++i) {
                    if (t[i] < '0' || t[i] > '9') return -1;
                    v = v * 10 + (t[i] - '0');
                }
                return v;
            };
            const QDate data = t.size() >= 10 && t[4] == '-' && t[7] == '-'
                                   ? QDate(numero(0, 4), numero(5, 2), numero(8, 2))
                                   : QDate();
            if (!data.isValid() || data.year() < 1) recusar(campo, t, "uma data aaaa-mm-dd válida");
            tabela_.definir(linha_, campo, QDateTime(data, QTime(0, 0), Qt::UTC));
            break;
        }
        case TipoCampo::Logico:
            break; // no mapping declares one
        }
    }

    const Mapeamento& m_;
    QHash<QByteArray, int> indice_; // lower-case name of a child element -> its field
    static constexpr int kBitsLembrados = 9;
    std::array<Lembrado, std::size_t(1) << kBitsLembrados> lembrados_;
    Tabela tabela_;
    std::optional<QString> recusa_;
    int profundidade_ = 0;
    qsizetype linha_ = -1, linhas_ = 0;
    int linhaProfundidade_ = -1, campoProfundidade_ = -1;
    int recusaProfundidade_ = -1, motivoProfundidade_ = -1;
    bool motivoLido_ = false;
    int campo_ = -1;
    std::vector<bool> preenchido_;
    std::string texto_; // std::string keeps its capacity when cleared
    QByteArray chave_;
};

} // namespace

ResultadoMapeamento aplicarMapeamento(const Mapeamento& mapeamento, QByteArrayView documento) {
    Construtor c(mapeamento);
    lerXml(documento, c);
    return c.resultado();
}

} // namespace corvel
