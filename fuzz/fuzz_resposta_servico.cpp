// Feeds arbitrary bytes to the readers of the web service's answers. The fast XML scanner must
// agree with QXmlStreamReader on every document it takes; the flow and station-list conversions
// must return what they promise or throw corvel::Erro, never crash or hang.
#include "core/erros.h"
#include "exchange/leitorxml.h"
#include "exchange/servico.h"

#include <QSet>
#include <QString>
#include <cstdint>
#include <string>
#include <vector>

namespace {

// The events in order, consecutive pieces of text joined into one.
class Transcricao : public corvel::ConsumidorXml {
  public:
    std::vector<std::string> eventos;
    void inicio(QByteArrayView nome, std::span<const corvel::AtributoXml> atributos) override {
        std::string e = "<" + std::string(nome.data(), std::size_t(nome.size()));
        for (const corvel::AtributoXml& a : atributos)
            e += ' ' + std::string(a.nome.data(), std::size_t(a.nome.size())) + "=[" +
                 std::string(a.valor.data(), std::size_t(a.valor.size())) + ']';
        eventos.push_back(e);
        emTexto_ = false;
    }
    void texto(QByteArrayView utf8) override {
        if (!emTexto_) eventos.emplace_back("#");
        eventos.back().append(utf8.data(), std::size_t(utf8.size()));
        emTexto_ = true;
    }
    void fim() override {
        eventos.emplace_back("/");
        emTexto_ = false;
    }
    void recomecar() override {
        eventos.clear();
        emTexto_ = false;
    }

  private:
    bool emTexto_ = false;
};

const corvel::Mapeamento& todp() {
    static const corvel::Mapeamento m =
        corvel::lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/TODP.xtr"));
    return m;
}
const corvel::Mapeamento& lista() {
    static const corvel::Mapeamento m =
        corvel::lerMapeamento(QStringLiteral(CORVEL_RESOURCES "/ListaEstacao.xtr"));
    return m;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(dados), qsizetype(tamanho));

    Transcricao rapida;
    if (corvel::lerXmlRapido(bytes, rapida)) {
        Transcricao qt;
        try {
            corvel::lerXmlQt(bytes, qt);
        } catch (const corvel::Erro&) {
            __builtin_trap(); // the scanner took a document the parser refuses
        }
        if (rapida.eventos != qt.eventos) __builtin_trap();
    }

    try {
        const corvel::VazoesBaixadas v = corvel::converterVazoes(todp(), bytes, 12345678);
        const corvel::ResultadoImportacao& r = v.importacao;
        if (r.nivelConsistencia != 1 && r.nivelConsistencia != 2) __builtin_trap();
        if (r.serie.tamanho() > v.linhasResposta) __builtin_trap();
        QSet<QDate> meses;
        for (const corvel::RegistroMensal& m : r.serie.armazenados()) {
            if (m.nivelConsistencia != r.nivelConsistencia || m.estacaoCodigo != 12345678 ||
                !m.data.isValid() || m.data.day() != 1 || meses.contains(m.data) ||
                m.registroId < 1 || m.registroId > double(v.linhasResposta))
                __builtin_trap();
            meses.insert(m.data);
        }
    } catch (const corvel::Erro&) {
    }

    try {
        const corvel::Tabela t = corvel::converterListaEstacoes(lista(), bytes);
        if (t.linhas() == 0 || t.numeroCampos() != 4) __builtin_trap();
        for (qsizetype l = 0; l < t.linhas(); ++l)
            if (t.texto(l, 0).isEmpty()) __builtin_trap();
    } catch (const corvel::Erro&) {
    }
    return 0;
}
