// XML events from a fast scanner of plain service documents, with QXmlStreamReader behind it for
// everything else. A century of daily flows is several megabytes of small elements: the scanner
// reads it many times faster than the general parser.
#include "leitorxml.h"

#include <QByteArray>
#include <QXmlStreamReader>
#include <array>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

namespace corvel {

namespace {

// The document is outside what the scanner takes: QXmlStreamReader reads it instead.
struct ForaDoSubconjunto {};

// Byte classes of the scanner, one table look-up a byte.
enum : quint8 {
    kInicioNome = 1,    // ASCII letters and '_'
    kParteNome = 2,     // the same, digits, '-' and '.'
    kEspaco = 4,        // space, tab, LF, CR
    kTextoEspecial = 8, // what ends or changes a run of text: '<', '&', ']', CR, other controls,
                        // and the first byte of a character past ASCII
};

constexpr std::array<quint8, 256> classes() {
    std::array<quint8, 256> t{};
    for (int c = 0; c < 256; ++c) {
        const bool letra = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
        if (letra) t[c] |= kInicioNome | kParteNome;
        if ((c >= '0' && c <= '9') || c == '-' || c == '.') t[c] |= kParteNome;
        if (c == ' ' || c == '\t' || c == '\n' || c == '\r') t[c] |= kEspaco;
        if (c == '<' || c == '&' || c == ']' || (c < 0x20 && c != '\t' && c != '\n') || c >= 0x80)
            t[c] |= kTextoEspecial;
    }
    return t;
}
constexpr std::array<quint8, 256> kClasses = classes();

bool tem(char c, quint8 classe) {
    return kClasses[static_cast<unsigned char>(c)] & classe;
}
bool inicioDeNome(char c) {
    return tem(c, kInicioNome);
}
bool parteDeNome(char c) {
    return tem(c, kParteNome);
}
bool espaco(char c) {
    return tem(c, kEspaco);
}

// Characters XML allows.
bool caractereXml(char32_t c) {
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
           (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
}

// Length of the UTF-8 sequence of a character XML allows that starts at `p` (a byte from 0x80),
// or 0: no overlong form, surrogate, U+FFFE, U+FFFF or code point past U+10FFFF. Checked where
// such bytes may stand (text and attribute values), so the document is not walked twice.
int sequenciaUtf8(const char* inicio, const char* fim) {
    const auto* p = reinterpret_cast<const unsigned char*>(inicio);
    const unsigned char b = *p;
    int seguintes;
    char32_t c;
    if (b >= 0xC2 && b <= 0xDF) {
        seguintes = 1;
        c = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        seguintes = 2;
        c = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        seguintes = 3;
        c = b & 0x07;
    } else {
        return 0;
    }
    if (fim - inicio <= seguintes) return 0;
    for (int i = 1; i <= seguintes; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        c = (c << 6) | (p[i] & 0x3F);
    }
    const char32_t minimo = seguintes == 1 ? 0x80 : seguintes == 2 ? 0x800 : 0x10000;
    if (c < minimo || !caractereXml(c)) return 0;
    return seguintes + 1;
}

void acrescentarUtf8(std::string& destino, char32_t c) {
    if (c < 0x80) {
        destino.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        destino.push_back(static_cast<char>(0xC0 | (c >> 6)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        destino.push_back(static_cast<char>(0xE0 | (c >> 12)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        destino.push_back(static_cast<char>(0xF0 | (c >> 18)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        destino.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

// Short names compared eight bytes at a time, without a call.
bool mesmosBytes(const char* a, const char* b, qsizetype n, const char* fim) {
    quint64 x = 0, y = 0;
    if (n < 8) {
        // Both lie in the document before `fim`, b after a: eight bytes can be read when there is
        // room after b, and the bytes past n are masked away.
        if (fim - b < 8) return std::memcmp(a, b, std::size_t(n)) == 0;
        std::memcpy(&x, a, 8);
        std::memcpy(&y, b, 8);
        const quint64 mascara = (quint64(1) << (8 * n)) - 1;
        return ((x ^ y) & mascara) == 0;
    }
    for (qsizetype i = 0; i + 8 <= n; i += 8) {
        std::memcpy(&x, a + i, 8);
        std::memcpy(&y, b + i, 8);
        if (x != y) return false;
    }
    std::memcpy(&x, a + n - 8, 8);
    std::memcpy(&y, b + n - 8, 8);
    return x == y;
}

constexpr QByteArrayView kNamespaceXml = "http://www.w3.org/XML/1998/namespace";
constexpr QByteArrayView kNamespaceXmlns = "http://www.w3.org/2000/xmlns/";

class Varredor {
  public:
    Varredor(QByteArrayView documento, ConsumidorXml& consumidor)
        : p_(documento.data()), fim_(documento.data() + documento.size()), c_(consumidor) {}

    void ler() {
        if (restante() >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0) p_ += 3;
        declaracao();
        espacos();
        if (p_ == fim_ || *p_ != '<') throw ForaDoSubconjunto{};
        for (;;) {
            if (p_ == fim_) throw ForaDoSubconjunto{}; // ended inside an element
            if (*p_ != '<') {
                texto();
                continue;
            }
            if (restante() < 2) throw ForaDoSubconjunto{};
            const char seguinte = p_[1];
            if (seguinte == '!' || seguinte == '?') throw ForaDoSubconjunto{};
            if (seguinte == '/') {
                if (abertos_.empty()) throw ForaDoSubconjunto{};
                marcaFinal();
            } else {
                marcaInicial();
            }
            if (abertos_.empty()) break; // the root element closed
        }
        espacos();
        if (p_ != fim_) throw ForaDoSubconjunto{};
    }

  private:
    qsizetype restante() const { return fim_ - p_; }

    bool espacos() {
        const char* antes = p_;
        while (p_ < fim_ && espaco(*p_))
            ++p_;
        return p_ != antes;
    }

    void esperar(char c) {
        if (p_ == fim_ || *p_ != c) throw ForaDoSubconjunto{};
        ++p_;
    }

    bool comeca(QByteArrayView s) const {
        return restante() >= s.size() && std::memcmp(p_, s.data(), std::size_t(s.size())) == 0;
    }

    // A name of ASCII letters, digits, '_', '-' and '.', with at most one ':' between two parts
    // that each start like a name.
    struct Nome {
        QByteArrayView completo;
        qsizetype doisPontos = -1; // position of the ':' between prefix and local name
        QByteArrayView prefixo() const {
            return doisPontos < 0 ? QByteArrayView() : completo.first(doisPontos);
        }
        QByteArrayView local() const {
            return doisPontos < 0 ? completo : completo.sliced(doisPontos + 1);
        }
    };
    Nome nome() {
        const char* inicio = p_;
        qsizetype doisPontos = -1;
        if (p_ == fim_ || !inicioDeNome(*p_)) throw ForaDoSubconjunto{};
        ++p_;
        while (p_ < fim_) {
            while (fim_ - p_ >= 4 && parteDeNome(p_[0]) && parteDeNome(p_[1]) &&
                   parteDeNome(p_[2]) && parteDeNome(p_[3]))
                p_ += 4;
            while (p_ < fim_ && parteDeNome(*p_))
                ++p_;
            if (p_ < fim_ && *p_ == ':' && doisPontos < 0) {
                doisPontos = p_ - inicio;
                ++p_;
                if (p_ == fim_ || !inicioDeNome(*p_)) throw ForaDoSubconjunto{};
            } else {
                break;
            }
        }
        return {QByteArrayView(inicio, p_ - inicio), doisPontos};
    }

    // A quoted value without markup, references or characters an XML processor rewrites.
    QByteArrayView valorEntreAspas() {
        if (p_ == fim_ || (*p_ != '"' && *p_ != '\'')) throw ForaDoSubconjunto{};
        const char aspas = *p_++;
        const char* inicio = p_;
        while (p_ < fim_ && *p_ != aspas) {
            const auto c = static_cast<unsigned char>(*p_);
            if (c < 0x20 || c == '<' || c == '&') throw ForaDoSubconjunto{};
            if (c < 0x80) {
                ++p_;
            } else if (const int n = sequenciaUtf8(p_, fim_)) {
                p_ += n;
            } else {
                throw ForaDoSubconjunto{};
            }
        }
        if (p_ == fim_) throw ForaDoSubconjunto{};
        return QByteArrayView(inicio, p_++ - inicio);
    }

    // <?xml version="1.0" encoding="utf-8" standalone="yes"?>, each part but the version optional.
    void declaracao() {
        if (!comeca("<?xml") || restante() < 6 || !espaco(p_[5])) return;
        p_ += 5;
        static constexpr QByteArrayView kPartes[] = {"version", "encoding", "standalone"};
        int proxima = 0;
        for (;;) {
            const bool separado = espacos();
            if (comeca("?>")) {
                p_ += 2;
                break;
            }
            if (!separado) throw ForaDoSubconjunto{};
            const QByteArrayView parte = nome().completo;
            int qual = proxima;
            while (qual < 3 && parte != kPartes[qual])
                ++qual;
            if (qual == 3 || (proxima == 0 && qual != 0)) throw ForaDoSubconjunto{};
            proxima = qual + 1;
            espacos();
            esperar('=');
            espacos();
            const QByteArrayView valor = valorEntreAspas();
            const bool aceito = qual == 0   ? valor == "1.0"
                                : qual == 1 ? valor.compare("utf-8", Qt::CaseInsensitive) == 0
                                            : valor == "yes" || valor == "no";
            if (!aceito) throw ForaDoSubconjunto{};
        }
        if (proxima == 0) throw ForaDoSubconjunto{};
    }

    bool prefixoDeclarado(QByteArrayView prefixo) const {
        for (auto it = prefixos_.rbegin(); it != prefixos_.rend(); ++it)
            if (*it == prefixo) return true;
        return false;
    }

    void marcaInicial() {
        ++p_;
        const Nome qualificado = nome();
        if (p_ < fim_ && *p_ == '>' && qualificado.doisPontos < 0) {
            // The common tag of an answer: no prefix, no attribute, nothing to resolve.
            ++p_;
            marcas_.push_back(prefixos_.size());
            abertos_.push_back(qualificado.completo);
            atributos_.clear();
            c_.inicio(qualificado.completo, atributos_);
            return;
        }
        brutos_.clear();
        bool vazio = false;
        for (;;) {
            const bool separado = espacos();
            if (p_ == fim_) throw ForaDoSubconjunto{};
            if (*p_ == '>') {
                ++p_;
                break;
            }
            if (*p_ == '/') {
                ++p_;
                esperar('>');
                vazio = true;
                break;
            }
            if (!separado) throw ForaDoSubconjunto{};
            const Nome n = nome();
            espacos();
            esperar('=');
            espacos();
            const QByteArrayView v = valorEntreAspas();
            for (const Atributo& b : brutos_)
                if (b.nome.completo == n.completo) throw ForaDoSubconjunto{};
            brutos_.push_back({n, v});
        }

        marcas_.push_back(prefixos_.size());
        abertos_.push_back(qualificado.completo);
        // Declarations first: they hold for the element and for every attribute of its tag.
        for (const Atributo& b : brutos_) {
            if (b.nome.completo == "xmlns") {
                if (b.valor == kNamespaceXml || b.valor == kNamespaceXmlns)
                    throw ForaDoSubconjunto{};
            } else if (b.nome.prefixo() == "xmlns") {
                const QByteArrayView declarado = b.nome.local();
                if (declarado == "xml" || declarado == "xmlns" || b.valor.isEmpty() ||
                    b.valor == kNamespaceXml || b.valor == kNamespaceXmlns)
                    throw ForaDoSubconjunto{};
                prefixos_.push_back(declarado);
            }
        }
        const QByteArrayView prefixo = qualificado.prefixo();
        if (!prefixo.isNull() && !prefixoDeclarado(prefixo)) throw ForaDoSubconjunto{};
        atributos_.clear();
        for (const Atributo& b : brutos_) {
            const QByteArrayView p = b.nome.prefixo();
            if (b.nome.completo == "xmlns" || p == "xmlns") continue;
            if (!p.isNull() && p != "xml" && !prefixoDeclarado(p)) throw ForaDoSubconjunto{};
            const QByteArrayView local = b.nome.local();
            // Two attributes of one local name could share a namespace: left to the parser.
            for (const AtributoXml& a : atributos_)
                if (a.nome == local) throw ForaDoSubconjunto{};
            atributos_.push_back({local, b.valor});
        }
        c_.inicio(qualificado.local(), atributos_);
        if (vazio) fechar();
    }

    void marcaFinal() {
        p_ += 2;
        // The name must be that of the open element, already checked when it started: compared
        // as it stands, it also must not run on.
        const QByteArrayView aberto = abertos_.back();
        if (restante() <= aberto.size() || !mesmosBytes(aberto.data(), p_, aberto.size(), fim_))
            throw ForaDoSubconjunto{};
        p_ += aberto.size();
        if (*p_ != '>') {
            if (!espacos()) throw ForaDoSubconjunto{};
            esperar('>');
        } else {
            ++p_;
        }
        fechar();
    }

    void fechar() {
        abertos_.pop_back();
        prefixos_.resize(marcas_.back());
        marcas_.pop_back();
        c_.fim();
    }

    // Character data up to the next '<'. Plain runs go out as they stand; a run with references
    // or carriage returns is rewritten into a buffer first.
    void texto() {
        const bool entregar = c_.querTexto();
        const char* inicio = p_;
        bool reescrito = false;
        for (;;) {
            while (fim_ - p_ >= 4 && !tem(p_[0], kTextoEspecial) && !tem(p_[1], kTextoEspecial) &&
                   !tem(p_[2], kTextoEspecial) && !tem(p_[3], kTextoEspecial))
                p_ += 4;
            while (p_ < fim_ && !tem(*p_, kTextoEspecial))
                ++p_;
            if (p_ == fim_ || *p_ == '<') break;
            const char c = *p_;
            if (static_cast<unsigned char>(c) >= 0x80) {
                const int n = sequenciaUtf8(p_, fim_);
                if (n == 0) throw ForaDoSubconjunto{};
                p_ += n;
                continue;
            }
            if (c == ']') {
                if (restante() >= 3 && p_[1] == ']' && p_[2] == '>') throw ForaDoSubconjunto{};
                ++p_;
                continue;
            }
            if (c != '\r' && c != '&') throw ForaDoSubconjunto{};
            if (!entregar) { // checked, not rewritten
                if (c == '\r')
                    ++p_;
                else
                    referencia();
                continue;
            }
            if (!reescrito) buffer_.clear();
            reescrito = true;
            buffer_.append(inicio, std::size_t(p_ - inicio));
            if (c == '\r') {
                buffer_ += '\n';
                ++p_;
                if (p_ < fim_ && *p_ == '\n') ++p_;
            } else {
                referencia();
            }
            inicio = p_;
        }
        if (!entregar) return;
        if (reescrito) {
            buffer_.append(inicio, std::size_t(p_ - inicio));
            c_.texto(QByteArrayView(buffer_.data(), qsizetype(buffer_.size())));
        } else {
            c_.texto(QByteArrayView(inicio, p_ - inicio));
        }
    }

    // &lt; &gt; &amp; &quot; &apos; &#N; &#xH;
    void referencia() {
        ++p_;
        const char* inicio = p_;
        while (p_ < fim_ && *p_ != ';' && p_ - inicio < 10)
            ++p_;
        if (p_ == fim_ || *p_ != ';') throw ForaDoSubconjunto{};
        const QByteArrayView r(inicio, p_ - inicio);
        ++p_;
        static constexpr std::pair<QByteArrayView, char> kNomeadas[] = {
            {"lt", '<'}, {"gt", '>'}, {"amp", '&'}, {"quot", '"'}, {"apos", '\''}};
        for (const auto& [nomeada, caractere] : kNomeadas)
            if (r == nomeada) {
                buffer_ += caractere;
                return;
            }
        if (r.size() < 2 || r[0] != '#') throw ForaDoSubconjunto{};
        const bool hexa = r[1] == 'x';
        const QByteArrayView digitos = r.sliced(hexa ? 2 : 1);
        if (digitos.isEmpty() || digitos.size() > 7) throw ForaDoSubconjunto{};
        char32_t codigo = 0;
        for (char d : digitos) {
            int v;
            if (d >= '0' && d <= '9')
                v = d - '0';
            else if (hexa && d >= 'a' && d <= 'f')
                v = d - 'a' + 10;
            else if (hexa && d >= 'A' && d <= 'F')
                v = d - 'A' + 10;
            else
                throw ForaDoSubconjunto{};
            codigo = codigo * (hexa ? 16 : 10) + static_cast<char32_t>(v);
        }
        if (!caractereXml(codigo)) throw ForaDoSubconjunto{};
        acrescentarUtf8(buffer_, codigo);
    }

    const char* p_;
    const char* const fim_;
    ConsumidorXml& c_;
    std::vector<QByteArrayView> abertos_;  // qualified names of the open elements
    std::vector<QByteArrayView> prefixos_; // prefixes declared by the open elements
    std::vector<std::size_t> marcas_;      // prefixos_.size() when each open element started
    struct Atributo {
        Nome nome;
        QByteArrayView valor;
    };
    std::vector<Atributo> brutos_;       // the tag's attributes as written
    std::vector<AtributoXml> atributos_; // the same, as the consumer sees them
    std::string buffer_;                 // std::string keeps its capacity when cleared
};

} // namespace

bool lerXmlRapido(QByteArrayView documento, ConsumidorXml& consumidor) {
    try {
        Varredor(documento, consumidor).ler();
        return true;
    } catch (const ForaDoSubconjunto&) {
        return false;
    }
}

void lerXmlQt(QByteArrayView documento, ConsumidorXml& consumidor) {
    QXmlStreamReader leitor(QByteArray::fromRawData(documento.data(), documento.size()));
    std::vector<QByteArray> textos;
    std::vector<AtributoXml> atributos;
    int profundidade = 0;
    while (!leitor.atEnd()) {
        switch (leitor.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QXmlStreamAttributes lidos = leitor.attributes();
            textos.clear();
            textos.reserve(std::size_t(lidos.size()) * 2 + 1);
            textos.push_back(leitor.name().toUtf8());
            atributos.clear();
            for (const QXmlStreamAttribute& a : lidos) {
                textos.push_back(a.name().toUtf8());
                textos.push_back(a.value().toUtf8());
                atributos.push_back({textos[textos.size() - 2], textos.back()});
            }
            ++profundidade;
            consumidor.inicio(textos.front(), atributos);
            break;
        }
        case QXmlStreamReader::EndElement:
            --profundidade;
            consumidor.fim();
            break;
        case QXmlStreamReader::Characters:
            if (profundidade > 0 && consumidor.querTexto())
                consumidor.texto(leitor.text().toUtf8());
            break;
        default:
            break;
        }
    }
    if (leitor.hasError())
        throw ErroConversao(QStringLiteral("XML inválido (linha %1, coluna %2): %3")
                                .arg(leitor.lineNumber())
                                .arg(leitor.columnNumber())
                                .arg(leitor.errorString()));
}

void lerXml(QByteArrayView documento, ConsumidorXml& consumidor) {
    if (lerXmlRapido(documento, consumidor)) return;
    consumidor.recomecar();
    lerXmlQt(documento, consumidor);
}

} // namespace corvel
