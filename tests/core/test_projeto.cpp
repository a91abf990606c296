// The project file: save and open round trip, the refusals of opening, save-as naming, the station
// header and the reload that drops unsaved edits.
#include "construtor.h"

#include "core/arquivotabela.h"
#include "core/bancada.h"
#include "core/erros.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace corvel;
using corvel::teste::serieMensal;

namespace {

class Projeto : public ::testing::Test {
protected:
    QString caminho(const char* nome) const { return pasta.filePath(QString::fromLatin1(nome)); }

    // A workbench with an imported series: January 1990 to December 1991, day 13 of March 1990
    // missing, June 1991 without values.
    Bancada importada() {
        Bancada b(pasta.path());
        b.serie = serieMensal(QDate(1990, 1, 1), QDate(1991, 12, 1), [](QDate m, int d) -> std::optional<double> {
            if ((m == QDate(1990, 3, 1) && d == 13) || m == QDate(1991, 6, 1))
                return std::nullopt;
            return d == 1 ? 0.0 : 10.0 + d / 7.0;
        });
        b.porZeroEmDescartar();
        b.completaFalha();
        return b;
    }

    // Answers the save dialog with the given names, one per call; nothing left = cancel.
    PedirNome respostas(std::vector<QString> nomes) {
        auto fila = std::make_shared<std::vector<QString>>(std::move(nomes));
        return [this, fila](const QString& proposta) -> std::optional<QString> {
            propostas.push_back(proposta);
            if (fila->empty())
                return std::nullopt;
            QString n = fila->front();
            fila->erase(fila->begin());
            return n;
        };
    }

    Confirmar responder(bool sim) {
        return [this, sim](const QString& pergunta) {
            perguntas.push_back(pergunta);
            return sim;
        };
    }

    QString mensagemAoAbrir(Bancada& b, const QString& arquivo, Gravidade* gravidade = nullptr) {
        try {
            b.abrirProjeto(arquivo);
        } catch (const Erro& e) {
            if (gravidade)
                *gravidade = e.gravidade();
            return e.mensagem();
        }
        return QStringLiteral("(aberto)");
    }

    QTemporaryDir pasta;
    std::vector<QString> propostas;
    std::vector<QString> perguntas;
};

TEST_F(Projeto, SalvarEAbrirMantemMesesCodigosENulos) {
    Bancada b = importada();
    b.serie[4].vazao01Status = kDescartado; // May 1990
    b.serie[0].vazao03Status = 805;
    b.inicioAnoHidrologico = 10;
    for (auto& r : b.serie.armazenados())
        r.vazao02Status = 10;
    const std::vector<RegistroMensal> antes = b.serie.armazenados();

    ASSERT_TRUE(b.salvarComo(respostas({caminho("12345678.cvl")}), responder(true)));
    EXPECT_EQ(propostas, std::vector<QString>{QStringLiteral("12345678.cvl")});

    Bancada outra(pasta.path());
    outra.abrirProjeto(caminho("12345678.cvl"));
    const auto& depois = outra.serie.armazenados();
    ASSERT_EQ(depois.size(), antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) {
        EXPECT_EQ(depois[i].data, antes[i].data);
        EXPECT_EQ(depois[i].registroId, antes[i].registroId);
        EXPECT_EQ(depois[i].vazao, antes[i].vazao);
        EXPECT_EQ(depois[i].vazao01Status, antes[i].vazao01Status);
        EXPECT_EQ(depois[i].vazao03Status, antes[i].vazao03Status);
        EXPECT_EQ(depois[i].nivelConsistencia, antes[i].nivelConsistencia);
    }
    EXPECT_TRUE(outra.mesesDescartados);
    EXPECT_EQ(outra.inicioAnoHidrologico, 10);
    EXPECT_EQ(outra.serie[2].situacao(outra.mesesDescartados), u"Considerado");
    EXPECT_EQ(outra.serie[4].situacao(outra.mesesDescartados), u"Descartado");
    EXPECT_EQ(outra.serie[17].situacao(outra.mesesDescartados), u"Considerado");
    EXPECT_EQ(outra.serie[0].vazao[0], 0.0); // a zero flow stays a value, not a null

    // The file holds the stored fields by name and type, with Media written.
    const Tabela t = lerTabela(caminho("12345678.cvl"));
    EXPECT_EQ(t.campos(), camposSerie());
    EXPECT_EQ(*t.real(2, t.campo(u"Media")), 3.0); // March 1990: 1 of 31 days missing
}

// The days' statuses and the months' method go into the file and come back; a project written
// before they were kept opens with every status unknown and the same flows.
TEST_F(Projeto, SinaisDosDiasEMetodoSobrevivemEProjetoAnteriorAbre) {
    Bancada b = importada();
    b.serie[0].sinal[0] = SinalDia::Estimado;
    b.serie[0].sinal[30] = SinalDia::ReguaSeca;
    b.serie[1].sinal[4] = SinalDia::Duvidoso;
    b.serie[1].sinal[5] = SinalDia::Digitado;
    b.serie[2].sinal.fill(SinalDia::Real);
    b.serie[2].sinal[12] = SinalDia::Preenchido;
    b.serie[1].metodoObtencao = 2;
    const std::vector<RegistroMensal> antes = b.serie.armazenados();
    ASSERT_TRUE(b.salvarComo(respostas({caminho("12345678.cvl")}), responder(true)));
    Bancada outra(pasta.path());
    outra.abrirProjeto(caminho("12345678.cvl"));
    ASSERT_EQ(outra.serie.armazenados().size(), antes.size());
    for (std::size_t i = 0; i < antes.size(); ++i) {
        EXPECT_EQ(outra.serie.armazenados()[i].sinal, antes[i].sinal) << i;
        EXPECT_EQ(outra.serie.armazenados()[i].metodoObtencao, antes[i].metodoObtencao) << i;
    }
    EXPECT_EQ(outra.serie[0].sinalizacoes(0), kSinalEstimado);
    EXPECT_EQ(outra.serie[0].sinalizacoes(30), kSinalReguaSeca);

    // A file kept from before (the sample project as it was): same flows, nothing known of the days.
    Bancada anterior(pasta.path());
    anterior.abrirProjeto(QStringLiteral(CORVEL_TEST_DATA "/projetos/anterior_aos_sinais.cvl"));
    Bancada atual(pasta.path());
    atual.abrirProjeto(QStringLiteral(CORVEL_RESOURCES "/exemplo/99990001.cvl"));
    ASSERT_EQ(anterior.serie.tamanho(), atual.serie.tamanho());
    for (qsizetype i = 0; i < anterior.serie.tamanho(); ++i) {
        EXPECT_EQ(anterior.serie[i].vazao, atual.serie[i].vazao);
        for (SinalDia s : anterior.serie[i].sinal)
            EXPECT_EQ(s, SinalDia::Desconhecido);
        EXPECT_FALSE(anterior.serie[i].metodoObtencao);
    }
    EXPECT_FALSE(lerTabela(QStringLiteral(CORVEL_TEST_DATA "/projetos/anterior_aos_sinais.cvl"))
                     .temCampo(u"SinaisDiarios"));
}

TEST_F(Projeto, SemMesesDescartadosVoltamOsTextosDeImportacao) {
    Bancada b = importada();
    b.salvarComo(respostas({caminho("a.cvl")}), responder(true));
    Bancada outra(pasta.path());
    outra.abrirProjeto(caminho("a.cvl"));
    EXPECT_FALSE(outra.mesesDescartados);
    EXPECT_EQ(outra.serie[2].situacao(false), u"Com falhas");
    EXPECT_EQ(outra.serie[3].situacao(false), u"Completo");
    EXPECT_EQ(outra.inicioAnoHidrologico, 1);
}

TEST_F(Projeto, AberturaRecusadaComAMensagemDeCadaCaso) {
    Bancada b = importada();
    b.salvarComo(respostas({caminho("serie.cvl")}), responder(true));
    QFile::copy(caminho("serie.cvl"), caminho("SERIE2.CVL"));
    QFile::copy(caminho("serie.cvl"), caminho("serie.xml"));

    Tabela semStatus({{QStringLiteral("Codigo"), TipoCampo::Texto, 8}});
    gravarTabela(caminho("outro.cvl"), semStatus);
    Tabela semData({{QStringLiteral("Vazao03Status"), TipoCampo::Inteiro, 2}});
    semData.acrescentarLinha();
    gravarTabela(caminho("semdata.cvl"), semData);
    QFile texto(caminho("texto.cvl"));
    texto.open(QIODevice::WriteOnly);
    texto.write("EstacaoCodigo;Data\r\n");
    texto.close();

    struct Caso {
        const char* arquivo;
        const char* mensagem;
        Gravidade gravidade;
    };
    const Caso casos[] = {
        {"serie.xml", "Este não é um arquivo de projeto do Corvel 1.0", Gravidade::Aviso},
        {"naoexiste.xml", "Este não é um arquivo de projeto do Corvel 1.0", Gravidade::Aviso},
        {"outro.cvl", " Este não é um arquivo de projeto do Corvel 1.0 ", Gravidade::Aviso},
        {"semdata.cvl", "Este não é um arquivo de projeto do Corvel 1.0", Gravidade::Erro},
        {"texto.cvl", "O arquivo \"texto.cvl\" não é uma tabela do Corvel.", Gravidade::Erro},
        {"SERIE2.CVL", "(aberto)", Gravidade::Erro},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.arquivo);
        Bancada aberta(pasta.path());
        aberta.abrirProjeto(caminho("serie.cvl"));
        Gravidade g = Gravidade::Erro;
        EXPECT_EQ(mensagemAoAbrir(aberta, caminho(c.arquivo), &g), QString::fromUtf8(c.mensagem));
        EXPECT_EQ(g, c.gravidade);
        const bool aceito = std::string_view(c.mensagem) == "(aberto)";
        EXPECT_EQ(aberta.serie.ativa(), aceito); // a refused open leaves no project
        EXPECT_EQ(aberta.arquivoProjeto.isEmpty(), !aceito);
    }
}

TEST_F(Projeto, NomeDoSalvarComo) {
    const std::pair<const char*, const char*> casos[] = {
        {"/d/12345678.txt", "/d/12345678.cvl"}, {"/d/SERIE.CVL", "/d/SERIE.CVL"},
        {"/d/serie.cvl", "/d/serie.cvl"},       {"/d/serie", "/d/serie.cvl"},
        {"/d/serie.xlsx", "/d/serie.cvl"},       {"/d.x/serie", "/d.x/serie.cvl"},
    };
    for (const auto& [nome, esperado] : casos)
        EXPECT_EQ(ajustarExtensaoProjeto(QString::fromLatin1(nome)), QString::fromLatin1(esperado));

    Bancada b = importada();
    ASSERT_TRUE(b.salvarComo(respostas({caminho("12345678.txt")}), responder(true)));
    EXPECT_EQ(b.arquivoProjeto, caminho("12345678.cvl"));
    EXPECT_TRUE(QFile::exists(caminho("12345678.cvl")));
    EXPECT_TRUE(perguntas.empty());
}

TEST_F(Projeto, ArquivoExistentePerguntaENaoMostraODialogoDeNovo) {
    Bancada b = importada();
    b.salvarComo(respostas({caminho("12345678.cvl")}), responder(true));
    perguntas.clear();
    propostas.clear();

    // No to the question: the dialog comes back; the second answer is a new name.
    ASSERT_TRUE(b.salvarComo(respostas({caminho("12345678.txt"), caminho("outro.cvl")}), responder(false)));
    EXPECT_EQ(perguntas, std::vector<QString>{QStringLiteral("Um arquivo com este nome já existe. Deseja substitui-lo?")});
    EXPECT_EQ(propostas.size(), 2u);
    EXPECT_EQ(b.arquivoProjeto, caminho("outro.cvl"));

    // Yes replaces.
    perguntas.clear();
    ASSERT_TRUE(b.salvarComo(respostas({caminho("12345678.cvl")}), responder(true)));
    EXPECT_EQ(perguntas.size(), 1u);
    EXPECT_EQ(b.arquivoProjeto, caminho("12345678.cvl"));
}

TEST_F(Projeto, CancelarSalvarComoDeixaASerieAbertaSemArquivo) {
    Bancada b = importada();
    b.salvarComo(respostas({caminho("a.cvl")}), responder(true));
    EXPECT_FALSE(b.salvarComo(respostas({}), responder(true)));
    EXPECT_TRUE(b.serie.ativa());
    EXPECT_TRUE(b.arquivoProjeto.isEmpty());
    EXPECT_EQ(b.salvar(), Bancada::Salvamento::PrecisaNome);
}

TEST_F(Projeto, SalvarSemSerieOuComFalhaNaGravacao) {
    Bancada vazia(pasta.path());
    try {
        vazia.salvar();
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Não há modificações para salvar."));
    }
    EXPECT_THROW(vazia.salvarComo(respostas({caminho("x.cvl")}), responder(true)), Erro);

    Bancada b = importada();
    b.arquivoProjeto = caminho("sem/pasta.cvl");
    try {
        b.salvar();
        FAIL();
    } catch (const Erro& e) {
        EXPECT_EQ(e.mensagem(), QStringLiteral("Ocorreu um erro ao tentar salvar a base de dados. \n"
                                               "Por favor, tente novamente."));
    }
    EXPECT_FALSE(b.serie.ativa());
    EXPECT_TRUE(b.arquivoProjeto.isEmpty());
}

TEST_F(Projeto, SalvarRecarregaOArquivo) {
    Bancada b = importada();
    b.salvarComo(respostas({caminho("a.cvl")}), responder(true));
    b.serie[0].vazao[5] = 777.0;
    ASSERT_EQ(b.salvar(), Bancada::Salvamento::Salvo);
    EXPECT_EQ(b.serie[0].vazao[5], 777.0);
    // An edit not saved is dropped by the reload after an analysis window.
    b.serie[0].vazao[6] = 888.0;
    b.recarregar();
    EXPECT_EQ(b.serie[0].vazao[5], 777.0);
    EXPECT_NE(b.serie[0].vazao[6], 888.0);
    EXPECT_TRUE(b.podeAnalisar());
}

TEST_F(Projeto, DozeRegistrosAbremUmaAnaliseOnzeNao) {
    Bancada b(pasta.path());
    b.serie = serieMensal(QDate(1990, 1, 1), QDate(1990, 11, 1));
    EXPECT_FALSE(b.podeAnalisar());
    b.serie = serieMensal(QDate(1990, 1, 1), QDate(1990, 12, 1));
    EXPECT_TRUE(b.podeAnalisar());
    b.fechar();
    EXPECT_FALSE(b.podeAnalisar());
}

TEST_F(Projeto, CabecalhoComNomeDaListaDeEstacoes) {
    Tabela lista({{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                  {QStringLiteral("Nome"), TipoCampo::Texto, 50},
                  {QStringLiteral("Latitude"), TipoCampo::Texto, 19},
                  {QStringLiteral("Longitude"), TipoCampo::Texto, 17}});
    lista.definir(lista.acrescentarLinha(), 0, QStringLiteral("12345678"));
    lista.definir(0, 1, QStringLiteral("PONTE NOVA"));
    gravarTabela(caminho("EstacaoListaCorvel1_0.xml"), lista);

    Bancada b = importada();
    b.salvarComo(respostas({caminho("12345678.cvl")}), responder(true));
    const CabecalhoProjeto c = b.atualizarCabecalho(true);
    EXPECT_EQ(c.texto, QStringLiteral("Cód. da Estação: 12345678    Nome da estação: PONTE NOVA"
                                      "    Início do Ano Hidrológico: Janeiro     "));
    EXPECT_EQ(b.linhasCabecalho[0], u"Arquivo: 12345678.cvl");
    EXPECT_EQ(b.linhasCabecalho[1], QStringLiteral("Cód. da Estação: 12345678"));
    EXPECT_EQ(b.linhasCabecalho[2], QStringLiteral("Nome da Estação: PONTE NOVA"));
    EXPECT_EQ(b.linhasCabecalho[3], QStringLiteral("Início do Ano Hidrológico: Janeiro"));
    EXPECT_TRUE(b.linhasCabecalho[4].startsWith(QStringLiteral("Última modificação: ")));
    EXPECT_EQ(b.linhasCabecalho[4].size(), QStringLiteral("Última modificação: dd/mm/aaaa hh:mm:ss").size());
    EXPECT_EQ(c.tituloJanela, u"Corvel 1.0-(12345678.cvl)");
    EXPECT_EQ(c.painel1, u"Arquivo :12345678.cvl");
    EXPECT_EQ(c.painel2, b.linhasCabecalho[4]);

    const CabecalhoProjeto oculto = b.atualizarCabecalho(false);
    EXPECT_EQ(oculto.tituloJanela, u"Corvel 1.0 - Ondarel");
    EXPECT_TRUE(oculto.painel1.isEmpty());
    EXPECT_TRUE(oculto.painel2.isEmpty());
}

TEST_F(Projeto, CabecalhoSemNomeQuandoOCodigoNaoEstaNaListaOuNaoHaLista) {
    Bancada b = importada(); // no station list in the folder
    const CabecalhoProjeto c = b.atualizarCabecalho(true);
    EXPECT_EQ(c.texto, QStringLiteral("Cód. da Estação: 12345678    Início do Ano Hidrológico: Janeiro     "));
    EXPECT_TRUE(b.linhasCabecalho[2].isEmpty());
    // No project file yet: the date is two spaces.
    EXPECT_EQ(b.linhasCabecalho[4], QStringLiteral("Última modificação:   "));

    b.inicioAnoHidrologico = 0;
    EXPECT_TRUE(b.atualizarCabecalho(true).texto.contains(QStringLiteral("Hidrológico: ?")));
}

TEST_F(Projeto, ListaDeEstacoesDoUsuarioAntesDaDoPrograma) {
    auto lista = [](const char* nome) {
        Tabela t({{QStringLiteral("Codigo"), TipoCampo::Texto, 8},
                  {QStringLiteral("Nome"), TipoCampo::Texto, 50}});
        t.definir(t.acrescentarLinha(), 0, QStringLiteral("12345678"));
        t.definir(0, 1, QString::fromUtf8(nome));
        return t;
    };
    QDir(pasta.path()).mkdir(QStringLiteral("programa"));
    QDir(pasta.path()).mkdir(QStringLiteral("dados"));
    gravarTabela(caminho("programa/EstacaoListaCorvel1_0.xml"), lista("DA INSTALAÇÃO"));
    Bancada b(caminho("programa"), caminho("dados"));
    b.serie = importada().serie;
    EXPECT_EQ(b.arquivoListaEstacoes(), caminho("programa/EstacaoListaCorvel1_0.xml"));
    EXPECT_EQ(b.atualizarCabecalho(true).linhas[2], QStringLiteral("Nome da Estação: DA INSTALAÇÃO"));

    gravarTabela(caminho("dados/EstacaoListaCorvel1_0.xml"), lista("ATUALIZADA"));
    EXPECT_EQ(b.arquivoListaEstacoes(), caminho("dados/EstacaoListaCorvel1_0.xml"));
    EXPECT_EQ(b.atualizarCabecalho(true).linhas[2], QStringLiteral("Nome da Estação: ATUALIZADA"));
}

TEST_F(Projeto, ArquivoAtualComOutraExtensaoSalvaERecarregaMasNaoAbre) {
    // A download may keep the name the user typed; the project is still the file's content after
    // a save, and an analysis reads it back. Opening it by hand is refused by its extension.
    Bancada b = importada();
    b.arquivoProjeto = caminho("estacao.dat");
    ASSERT_EQ(b.salvar(), Bancada::Salvamento::Salvo);
    EXPECT_EQ(b.serie.tamanho(), 24);
    b.serie[0].vazao[0] = 5.0;
    b.recarregar();
    EXPECT_EQ(b.serie[0].vazao[0], 0.0);
    EXPECT_EQ(lerArquivoProjeto(caminho("estacao.dat")).tamanho(), 24);

    Bancada outra(pasta.path());
    Gravidade g{};
    EXPECT_EQ(mensagemAoAbrir(outra, caminho("estacao.dat"), &g),
              QStringLiteral("Este não é um arquivo de projeto do Corvel 1.0"));
    EXPECT_EQ(g, Gravidade::Aviso);
    EXPECT_FALSE(outra.serie.ativa());
}

TEST_F(Projeto, NomeDoDownloadComoDigitadoQuandoNaoExiste) {
    auto existe = [this](const char* nome) {
        QFile f(caminho(nome));
        f.open(QIODevice::WriteOnly);
    };
    // A new file keeps the extension typed.
    EXPECT_EQ(escolherNomeDownload(QStringLiteral("1.cvl"), respostas({caminho("serie.dat")}),
                                   responder(false)),
              caminho("serie.dat"));
    EXPECT_TRUE(perguntas.empty());
    EXPECT_EQ(propostas, std::vector<QString>{QStringLiteral("1.cvl")});

    // An existing file of another extension is not replaced: the name turns to .cvl ...
    existe("velho.txt");
    EXPECT_EQ(escolherNomeDownload(QStringLiteral("1.cvl"), respostas({caminho("velho.txt")}),
                                   responder(false)),
              caminho("velho.cvl"));
    EXPECT_TRUE(perguntas.empty());
    // ... and an existing project is replaced only after the question; No shows the dialog again.
    existe("velho.cvl");
    EXPECT_EQ(escolherNomeDownload(QStringLiteral("1.cvl"),
                                   respostas({caminho("velho.txt"), caminho("novo.cvl")}),
                                   responder(false)),
              caminho("novo.cvl"));
    EXPECT_EQ(perguntas, std::vector<QString>{QStringLiteral(
                             "Um arquivo com este nome já existe. Deseja substitui-lo?")});
    EXPECT_FALSE(escolherNomeDownload(QStringLiteral("1.cvl"), respostas({}), responder(true)));
}

} // namespace
