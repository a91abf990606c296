// corvel-cli hidrograma: the hydrograph of a project, of one year or of the whole period, with the
// rating-curve limits, written as an image by the drawing module.
#include "argumentos.h"
#include "comandos.h"
#include "graficos.h"

#include "core/bancada.h"
#include "core/formato.h"

#include <QFileInfo>

namespace corvel::cli {

namespace {

constexpr int kLargura = 1400, kAltura = 800;

LimitesCurvaChave lerLimites(const QString& superior, const QString& inferior) {
    const RespostaCurvaChave r = confirmarCurvaChave(superior, inferior, {});
    if (r.mensagem) throw Erro(QString(r.mensagem->texto).replace(kQuebraLinha, u' '));
    if (!r.fechar)
        throw ErroUso{QStringLiteral("--limites pede dois números (vírgula ou ponto decimal)")};
    return r.limites;
}

} // namespace

int executarHidrograma(const QStringList& argumentos, QTextStream&) {
    std::optional<int> ano;
    QString figura;
    std::optional<LimitesCurvaChave> limites;
    const QStringList arquivos = lerArgumentos(
        argumentos,
        {{"--ano", 1,
          [&](const QStringList& v) {
              try {
                  ano = static_cast<int>(lerInteiro(v[0]));
              } catch (const ErroConversao&) {
                  throw ErroUso{QStringLiteral("--ano pede um ano, como 1975")};
              }
          },
          "--ano pede um ano, como 1975"},
         {"-o", 1, [&](const QStringList& v) { figura = v[0]; },
          "-o pede o arquivo da figura (.png ou .bmp)"},
         {"--limites", 2, [&](const QStringList& v) { limites = lerLimites(v[0], v[1]); },
          "--limites pede os limites superior e inferior da curva-chave (m³/s)"}});
    if (arquivos.size() != 1) throw ErroUso{QStringLiteral("informe um arquivo de projeto (.cvl)")};
    if (figura.isEmpty()) throw ErroUso{QStringLiteral("informe o arquivo da figura com -o")};

    Bancada bancada = Bancada::instalada();
    bancada.abrirProjeto(QFileInfo(arquivos[0]).absoluteFilePath());
    if (!bancada.podeAnalisar()) throw Erro(QStringLiteral("o projeto tem menos de 12 meses"));
    const std::vector<EntradaHidrografa> lista = listaHidrografas(bancada.serie);
    if (ano && (*ano < *lista[1].ano || *ano > *lista.back().ano))
        throw Erro(QStringLiteral("o ano %1 está fora do período da série (%2 a %3)")
                       .arg(*ano)
                       .arg(*lista[1].ano)
                       .arg(*lista.back().ano));
    const LimitesCurvaChave l = limites.value_or(LimitesCurvaChave{});
    const Hidrograma h =
        ano ? hidrogramaAnual(bancada.serie, *ano, l) : hidrogramaCompleto(bancada.serie, l);

    hidrogramaEmImagem(h, QFileInfo(figura).absoluteFilePath(), kLargura, kAltura);
    if (!h.rodape[1].isEmpty())
        escreverNaSaidaDeErros(QStringLiteral("Dias sem valor interrompem a linha da hidrógrafa."));
    return 0;
}

} // namespace corvel::cli
