// corvel-cli: the headless companion of the workbench, for scripting over many stations.
#include "despacho.h"
#include "graficos.h"

#include "core/erros.h"
#include "core/formato.h"
#include "core/relatorio.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <array>
#include <cstdio>
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace {

using corvel::cli::Subcomando;

const Subcomando kSubcomandos[] = {
    {"info", "resumo de um projeto: estação, período, meses por situação, cabeçalho",
     "uso: corvel-cli info estacao.cvl\n"
     "Mostra o código da estação, o período, o número de meses por situação e as linhas do\n"
     "cabeçalho do projeto.\n",
     corvel::cli::executarInfo},
    {"importar",
     "arquivo da Vidara (.txt, .csv ou .mdb), de São Paulo ou série diária para um projeto .cvl",
     "uso: corvel-cli importar arquivo.txt [-o estacao.cvl] [--substituir] [--completar-brutos]\n"
     "       corvel-cli importar banco.mdb [--listar | --estacao COD] [-o estacao.cvl]\n"
     "                           [--substituir] [--completar-brutos]\n"
     "       corvel-cli importar --sp arquivo.txt [-o estacao.cvl] [--substituir]\n"
     "       corvel-cli importar serie.csv --codigo COD [-o estacao.cvl] [--substituir]\n"
     "Lê o arquivo de vazões diárias da Vidara (dados consistidos; os brutos só quando não há\n"
     "consistidos), guarda um registro por mês (a última linha de um mês repetido), marca os\n"
     "meses como considerados, completa os meses ausentes e grava o projeto. Sem -o, o projeto\n"
     "é o código da estação + \".cvl\" na pasta atual. Um projeto que já existe só é\n"
     "substituído com --substituir. O resumo diz quantos meses brutos fora do período\n"
     "consistido ficaram de fora; --completar-brutos os acrescenta (com nível 1). Linhas\n"
     "incompletas ou danificadas e vazões negativas ou acima de 1.000.000 m³/s são avisadas na\n"
     "saída de erros; um arquivo com mais de uma estação, datas fora de 1800 a 2100 ou código de\n"
     "estação vazio, zero ou negativo é recusado.\n"
     "Um banco de dados Access da Vidara (.mdb, tabela Vazoes) é lido do mesmo modo, uma estação\n"
     "por vez: --listar escreve os códigos das estações do banco, um por linha, e --estacao\n"
     "escolhe a estação; sem ela, a primeira do banco (um aviso lista as outras).\n"
     "--sp lê o arquivo texto de colunas fixas do Estado de São Paulo (meses de nível 1; os meses\n"
     "acrescentados ficam com nível 2).\n"
     "--codigo lê uma série diária simples da estação COD: uma linha de cabeçalho e depois uma\n"
     "linha por dia com data, vazão e, se houver, o sinal do dia; separador vírgula (ponto\n"
     "decimal), ponto e vírgula ou tabulação (vírgula ou ponto decimal, o que as vazões usarem);\n"
     "datas aaaa-mm-dd ou dd/mm/aaaa; vazão vazia (ou NA) é dia sem dado. Um arquivo cuja marca\n"
     "decimal não se pode saber com certeza é recusado. Os meses ficam consistidos e\n"
     "considerados.\n",
     corvel::cli::executarImportar},
    {"baixar", "série de uma estação (ou de uma lista) pelo serviço web da Vidara",
     "uso: corvel-cli baixar CODIGO [-o estacao.cvl] [--substituir] [--completar-brutos]\n"
     "     corvel-cli baixar --lista codigos.txt --pasta PASTA [--substituir]\n"
     "                       [--completar-brutos]\n"
     "Pede ao serviço web da Vidara a série completa de vazões diárias da estação e grava o\n"
     "projeto como a janela \"Webservice\": dados consistidos (os brutos só quando não há\n"
     "consistidos), um registro por mês, meses marcados como considerados e meses ausentes\n"
     "completados. Sem -o, o projeto é CODIGO.cvl na pasta atual. Com --lista, baixa cada\n"
     "código do arquivo (o primeiro campo de cada linha; linhas vazias, começadas por # e o\n"
     "título Codigo são ignorados, de modo que a saída de \"corvel-cli estacoes\" serve) para\n"
     "PASTA/CODIGO.cvl, escreve o relatório na saída padrão e em\n"
     "PASTA/RelatorioDeImportacao.txt; uma estação sem dados não é copiada e as seguintes\n"
     "continuam; uma falha de conexão ou de conversão interrompe (código de saída 1). Um\n"
     "projeto que já existe só é substituído com --substituir. O endereço do serviço vem da\n"
     "variável de ambiente CORVEL_SERVICO ou de Corvel.ini na pasta de dados do usuário.\n",
     corvel::cli::executarBaixarPelaRede},
    {"estacoes", "lista de estações, toda ou procurada pelo código ou nome",
     "uso: corvel-cli estacoes [--atualizar] [FILTRO]\n"
     "Escreve as estações da lista (Codigo;Nome;Latitude;Longitude;) cujo código ou nome começa\n"
     "por FILTRO (sem diferença entre maiúsculas e minúsculas), ou todas; o total vai para a\n"
     "saída de erros. A lista é a da pasta de dados do usuário, atualizada antes pelo serviço web\n"
     "com --atualizar, ou a que acompanha o programa.\n",
     corvel::cli::executarEstacoesPelaRede},
    {"exportar", "projeto .cvl para arquivo CSV (;), texto (espaço) ou planilha (.xlsx)",
     "uso: corvel-cli exportar estacao.cvl (--csv|--txt|--xlsx) -o arquivo [--substituir]\n"
     "Grava os meses do projeto em ordem de data, um por linha, com o cabeçalho de 38 colunas:\n"
     "--csv separa por ponto-e-vírgula, --txt por espaço (Windows-1252, CR LF). --xlsx grava\n"
     "uma planilha com o código da estação como nome da folha e as colunas \"Mês\", \"Dia 01\"\n"
     "... \"Dia 31\" (dias sem valor ficam vazios). Um arquivo que já existe só é substituído\n"
     "com --substituir.\n",
     corvel::cli::executarExportar},
    {"preprocessar", "aplica um critério de descarte ao projeto e mostra o relatório de falhas",
     "uso: corvel-cli preprocessar estacao.cvl --regra original|anos|meses|mensal:P|anual:P\n"
     "                             [--inicio-ano MES]\n"
     "Aplica aos meses do projeto um critério da janela de pré-processamento: original (série\n"
     "original), anos (descartar anos com falhas), meses (descartar meses com falhas), mensal:P\n"
     "(meses com pelo menos P% de dias sem valor) ou anual:P (anos hidrológicos com pelo menos\n"
     "P%), P de 1 a 99. --inicio-ano muda o primeiro mês do ano hidrológico (1 a 12 ou o nome,\n"
     "como Outubro) e antes restaura a série original. Como ao fechar a janela, descarta os\n"
     "meses fora do primeiro e do último ano hidrológico; grava o projeto e mostra o relatório\n"
     "de falhas (\"Informações\").\n",
     corvel::cli::executarPreprocessar},
    {"distribuicoes", "análise de frequência de eventos anuais: seis distribuições, T de 2 a 100+",
     "uso: corvel-cli distribuicoes (--max|--min) [--nulas|--sem-nulas] [--periodo T] [--todos]\n"
     "                              [--todos-os-digitos] eventos.csv\n"
     "Ajusta as distribuições da janela de análise estatística aos eventos anuais (máximos:\n"
     "Gumbel; mínimos: Weibull; e Pearson 3, Logpearson 3, Lognormal 2 e 3) para cada período\n"
     "de retorno de 2 a 100 anos (até T + 10 quando T > 90). eventos.csv é um arquivo gravado\n"
     "por \"Exportar > Dados > CSV\" ou linhas \"rótulo;valor\" (vírgula decimal; a primeira\n"
     "pode ser um cabeçalho). --periodo escolhe T (2 a 10000, padrão 10). Mínimas iguais a zero\n"
     "entram pelo método da probabilidade condicional (Jennings e Benson 1969), que sem zeros\n"
     "não muda nada: as distribuições são ajustadas aos eventos não nulos, p0 = nulos / n, e o\n"
     "evento de T anos é lido na probabilidade (1/T - p0) / (1 - p0), ou é zero quando\n"
     "1/T <= p0; --sem-nulas ajusta os zeros como valores (--nulas pede o ajuste).\n"
     "Um evento negativo ou de uma curva que anda no sentido errado com T não é resultado: fica\n"
     "vazio, um aviso diz por quê e a distribuição não pode ser a melhor.\n"
     "Escreve na saída padrão, como \"Exportar > Distribuições > CSV\" (Windows-1252, CR LF), as\n"
     "linhas de T ou, com --todos, todas (--todos-os-digitos: cada número com todos os\n"
     "algarismos); os avisos e a melhor distribuição vão para a saída de erros.\n",
     corvel::cli::executarDistribuicoes},
    {"estacionariedade", "testes de homogeneidade (F e t) de uma série anual",
     "uso: corvel-cli estacionariedade [--nivel 1|5] [--personalizada I1 F1 I2 F2] serie.csv\n"
     "Lê linhas \"dd/mm/aaaa;valor\" (ou o arquivo de dados que a janela de estacionariedade\n"
     "exporta, com rótulos que começam pelo ano) e aplica os testes F (variância) e t (média):\n"
     "sem --personalizada, a cada divisão do período todo (teste contínuo, no mínimo 10\n"
     "valores); com --personalizada, entre as séries I1..F1 e I2..F2 (datas dd/mm/aaaa ou anos).\n"
     "--nivel dá a significância em % (5 por padrão). Escreve as linhas no leiaute da\n"
     "exportação de resultados da janela. Quando uma divisão encontra variância zero (comum nas\n"
     "mínimas de rios intermitentes), as linhas já testadas são escritas, a mensagem vai para a\n"
     "saída de erros e o código de saída é 1.\n",
     corvel::cli::executarEstacionariedade},
    {"tendencia", "tendência sem distribuição: Mann-Kendall, declividade de Sen e Pettitt",
     "uso: corvel-cli tendencia [--nivel 1|5] [--hamed-rao] serie.csv\n"
     "Lê a série como estacionariedade (linhas \"dd/mm/aaaa;valor\" ou o arquivo de dados da\n"
     "janela; no mínimo 10 valores) e aplica os testes não paramétricos, válidos com empates e\n"
     "vazões nulas: Mann-Kendall (tendência monotônica, com a correção de empates; --hamed-rao\n"
     "corrige a variância pela autocorrelação, Hamed e Rao 1998), a declividade de Sen por ano\n"
     "com seu intervalo de confiança e o ponto de mudança de Pettitt. --nivel dá a significância\n"
     "em % (5 por padrão). Escreve \"Grandeza;Valor;\" e uma linha por grandeza (UTF-8), como\n"
     "a exportação da página \"Tendência (não paramétrico)\".\n",
     corvel::cli::executarTendencia},
    {"minimas", "mínimas anuais das médias móveis de d dias (janela \"Vazões mínimas\")",
     "uso: corvel-cli minimas estacao.cvl [--duracao D] [--inicio-ano MES] [--todos-os-digitos]\n"
     "                        [--excluir-sinalizados LISTA]\n"
     "                        [--distribuicoes [--periodo T] [--nulas|--sem-nulas]]\n"
     "Para cada ano hidrológico, a menor média de D dias consecutivos com valor (7 por padrão,\n"
     "de 1 a 999) dos meses considerados do projeto, o dia em que essa janela começa e os dias\n"
     "válidos do ano, no leiaute de \"Exportar \\\"Mínimas anuais\\\"\" (UTF-8). --inicio-ano (1 "
     "a\n"
     "12 ou o nome do mês) troca o primeiro mês do ano hidrológico, que por padrão é o do\n"
     "projeto. Vazões abaixo de 1 m³/s com três algarismos significativos; --todos-os-digitos\n"
     "escreve todos. Com --distribuicoes, ajusta as distribuições às mínimas anuais com todos os\n"
     "algarismos (como a \"Análise Estatística\" da janela; mínimas nulas pelo método da\n"
     "probabilidade condicional, ou como valores com --sem-nulas) e escreve as linhas do período\n"
     "de retorno T (2 a 10000, padrão 10) no leiaute de \"Distribuições > CSV\"; os avisos e a\n"
     "melhor distribuição vão para a saída de erros.\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n",
     corvel::cli::executarMinimas},
    {"maximas", "máximas anuais das vazões diárias (janela \"Vazões máximas\")",
     "uso: corvel-cli maximas estacao.cvl [--inicio-ano MES] [--todos-os-digitos]\n"
     "                        [--excluir-sinalizados LISTA]\n"
     "                        [--distribuicoes [--periodo T]]\n"
     "Para cada ano (civil, ou hidrológico quando começa depois de janeiro) do primeiro ao último\n"
     "mês considerado do projeto, a maior vazão diária, sua data e os dias válidos, no leiaute de\n"
     "\"Exportar \\\"Vazões máximas anuais\\\"\" (UTF-8). --inicio-ano (1 a 12 ou o nome do mês)\n"
     "troca o primeiro mês do ano hidrológico, que por padrão é o do projeto. Com\n"
     "--distribuicoes, ajusta as distribuições às máximas anuais e escreve as linhas do período\n"
     "de retorno T (2 a 10000, padrão 10) no leiaute de \"Distribuições > CSV\"; os avisos e a\n"
     "melhor distribuição vão para a saída de erros.\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n",
     corvel::cli::executarMaximas},
    {"medias", "vazões médias anuais, mensais e de longa duração (janela \"Vazões médias\")",
     "uso: corvel-cli medias estacao.cvl [--inicio-ano MES] [--tabela anuais|mensais|longa]\n"
     "                       [--excluir-sinalizados LISTA]\n"
     "                       [--todos-os-digitos]\n"
     "Com os meses considerados do projeto, a vazão média de cada ano (civil, ou hidrológico\n"
     "quando começa depois de janeiro) do primeiro ao último mês considerado, a de cada mês e a\n"
     "média de longa duração de cada mês do ano, no leiaute das exportações da janela (UTF-8):\n"
     "--tabela anuais (padrão) escreve as médias anuais, mensais as médias mensais e longa as\n"
     "médias mensais de longa duração. Um ano sem nenhum dia válido mostra \"-\"; um ano que a\n"
     "série só cobre em parte (começo ou fim dentro dele) tem a marca \"*\". --inicio-ano (1 a\n"
     "12 ou o nome do mês) troca o primeiro mês do ano hidrológico, que por padrão é o do\n"
     "projeto. A vazão média de longa duração (média de todos os dias válidos dos meses\n"
     "considerados, a mesma qualquer que seja o início do ano) vai para a saída de erros.\n"
     "--todos-os-digitos escreve cada vazão com todos os algarismos.\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n",
     corvel::cli::executarMedias},
    {"permanencia", "curva de permanência e vazões de referência Q95 ... Q50",
     "uso: corvel-cli permanencia estacao.cvl [--inicio-ano MES] [--todos-os-digitos]\n"
     "                            [--excluir-sinalizados LISTA]\n"
     "                            [--tabela classes|continua|referencia-classes|"
     "referencia-continua]\n"
     "Com todas as vazões diárias dos meses considerados do projeto, a curva de permanência de 50\n"
     "classes logarítmicas e a curva contínua das vazões ordenadas, no leiaute das exportações da\n"
     "janela \"Curva de permanência\" (UTF-8): sem --tabela, as vazões de referência (95, 90, ...\n"
     "50%) das duas curvas, uma tabela após a outra; classes ou continua, a \"Análise de\n"
     "frequência\" de uma curva; referencia-classes ou referencia-continua, as vazões de uma só.\n"
     "\"-\" marca uma vazão além da tabela. A curva não depende do ano hidrológico: --inicio-ano\n"
     "(1 a 12 ou o nome do mês) só muda o início do ano hidrológico que vai, com o período, para\n"
     "a saída de erros, como no cabeçalho dos relatórios da janela.\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n",
     corvel::cli::executarPermanencia},
    {"regularizacao", "volume do reservatório para vinte vazões regularizadas (\"Regularização\")",
     "uso: corvel-cli regularizacao estacao.cvl [--inicio-ano MES]\n"
     "                              [--excluir-sinalizados LISTA]\n"
     "                              [--evaporacao E1,...,E12 --area KM2]\n"
     "Faz o balanço diário dos dias com valor dos meses considerados do projeto para as vazões\n"
     "regularizadas de 5% a 100% da vazão média e escreve, no leiaute de\n"
     "\"Exportar \\\"Vazão regularizada\\\"\" (UTF-8), a vazão regularizada (m³/s) e o volume do\n"
     "reservatório (hm³) de cada uma, seguidos da tabela de evaporação. --evaporacao dá as doze\n"
     "taxas de evaporação (mm/dia) de janeiro a dezembro, com ponto decimal (4.2,3.9,...) ou com\n"
     "vírgula decimal (\"4,2;3,9;...\"), e --area a área do reservatório em km²: a evaporação\n"
     "média é descontada da vazão regularizada; o volume não muda. O cabeçalho do relatório e a\n"
     "nota (\"* Sem evaporação\", \"* Evaporação considerada\" ou \"* Evaporação elevada\") vão\n"
     "para a saída de erros; --inicio-ano (1 a 12 ou o nome do mês) só muda o início do ano\n"
     "hidrológico do cabeçalho, que por padrão é o do projeto.\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n",
     corvel::cli::executarRegularizacao},
    {"disponibilidade", "diagrama de disponibilidade de dados dos projetos de uma pasta",
     "uso: corvel-cli disponibilidade PASTA --periodo ANO_INICIAL ANO_FINAL [-o diagrama.dgv]\n"
     "                                [--xlsx planilha.xlsx]\n"
     "Para cada arquivo de projeto (.cvl) da pasta, em ordem de nome, uma linha com o número de\n"
     "ordem, o código da estação e, para cada ano do período, a porcentagem dos dias do ano com\n"
     "vazão (pelo % de falhas guardado de cada mês; arredondada, metade para o par), no leiaute\n"
     "\"Nº de ordem;Cód. da Estação;1990;...;\" (UTF-8). Uma estação repetida fica com os valores\n"
     "do primeiro arquivo. Os anos têm 4 dígitos e o inicial vem antes do final. -o grava o\n"
     "diagrama (.dgv quando o nome não tem extensão); --xlsx exporta a planilha \"Diagrama de\n"
     "barras\" com as cores das faixas. Arquivos que não puderam ser lidos não impedem os outros:\n"
     "são listados na saída de erros, com o motivo, e o código de saída é 1.\n",
     corvel::cli::executarDisponibilidade},
    {"preencher", "preenchimento de falhas mensais por regressão com estações vizinhas",
     "uso: corvel-cli preencher base.cvl aux1.cvl ... --periodo ANO_INICIAL ANO_FINAL\n"
     "                          [--ordem C1,C2,C3] -o projeto.psv [--csv mensal.csv]\n"
     "                          [--metodo mqo|move1] [--log] [--por-mes]\n"
     "                          [--validacao-cruzada vc.csv]\n"
     "Monta o projeto de preenchimento: uma linha por mês do período (anos de 4 dígitos, pelo\n"
     "menos três anos) com a média mensal dos meses considerados de cada estação, a base na\n"
     "coluna 1 e as auxiliares nas colunas 2 a 20, na ordem dada. Escreve na saída padrão as\n"
     "estatísticas da regressão da base em cada auxiliar com meses em comum (R², coeficientes\n"
     "A e B, meses comuns, validação). --ordem escolhe as colunas que preenchem a base, a 1ª\n"
     "ordem primeiro; cada estação precisa de R² de pelo menos 0,7 e 8 meses comuns. Estimativas\n"
     "negativas não são usadas. O resumo de cada ordem vai para a saída de erros. -o grava o\n"
     "projeto (.psv quando o nome não tem extensão); --csv grava a tabela mensal com os títulos\n"
     "das vinte colunas (Windows-1252).\n"
     "--metodo move1 preenche pela reta MOVE.1 (Hirsch, 1982: pelas médias, inclinação\n"
     "sinal(r)·sy/sx), que mantém a variância da base; mqo (o padrão) pelos mínimos quadrados.\n"
     "--log ajusta a reta aos logaritmos das vazões (pares com vazão nula ficam fora e uma\n"
     "auxiliar nula não estima nada); --por-mes ajusta uma reta por mês do calendário. R², A, B e\n"
     "a validação são sempre os dos mínimos quadrados nas vazões. --validacao-cruzada grava,\n"
     "para cada auxiliar, o erro de cada método estimando cada mês comum sem ele (EQM, viés e\n"
     "eficiência de Nash-Sutcliffe), no total e por mês, com todos os algarismos.\n",
     corvel::cli::executarPreencher},
    {"preencher-diario", "preenchimento de falhas diárias curtas com uma estação vizinha",
     "uso: corvel-cli preencher-diario base.cvl auxiliar.cvl -o saida.cvl\n"
     "                                 [--metodo mqo|move1] [--log] [--por-mes]\n"
     "                                 [--lacuna-maxima DIAS] [--validacao-cruzada vc.csv]\n"
     "Ajusta uma reta às vazões diárias que as duas estações observaram (mqo, o padrão:\n"
     "mínimos quadrados; move1: MOVE.1, que mantém a variância da base; --log nos logaritmos;\n"
     "--por-mes uma reta por mês do calendário) e preenche cada lacuna da base (dias sem valor\n"
     "entre dois dias com valor) de até DIAS dias (padrão 30) onde a auxiliar tem vazão.\n"
     "Estimativas negativas não são usadas; lacunas mais longas ficam como estão. Os dias\n"
     "preenchidos levam o sinal \"preenchido\": as análises os contam nos dias sinalizados e\n"
     "--excluir-sinalizados preenchido os deixa de fora. Escreve na saída padrão as retas\n"
     "(pares, A, B, r) e na saída de erros o método, a recomendação da validação cruzada e o\n"
     "resumo do preenchimento; -o grava o projeto preenchido (.cvl quando o nome não tem\n"
     "extensão); --validacao-cruzada grava o erro de cada método estimando cada dia comum sem\n"
     "ele (EQM, viés, eficiência de Nash-Sutcliffe), no total e por mês.\n",
     corvel::cli::executarPreencherDiario},
    {"resumo", "todas as análises de uma estação ou de uma pasta, com as vazões de referência",
     "uso: corvel-cli resumo ENTRADA... [--duracao D] [--inicio-ano MES] [--regra REGRA]\n"
     "                       [--excluir-sinalizados LISTA]\n"
     "                       [--periodo T] [--nulas|--sem-nulas] [-o PASTA [--pdf]]\n"
     "                       [--tarefas N] [--mensal [--estacao M1-M2]...]\n"
     "                       [--criterio ARQ]\n"
     "Cada ENTRADA é um projeto (.cvl), um arquivo da Vidara (.txt ou .csv, importado só na\n"
     "memória) ou uma pasta (todos esses arquivos dela, em ordem de nome). Para cada estação:\n"
     "--regra aplica um critério de descarte (como em preprocessar, sem gravar o projeto),\n"
     "depois as mínimas de D dias (padrão 7), as máximas, as médias, as curvas de permanência,\n"
     "a regularização e a análise de frequência das mínimas em T anos (padrão 10).\n"
     "Escreve resumo.csv (UTF-8, ;) com uma linha por estação, na ordem das entradas: arquivo,\n"
     "estação, nome, período, meses considerados, % de dias sem dados, vazão média de longa\n"
     "duração, Q95 e Q90 (curva contínua), QD,T com a melhor distribuição e o valor de cada\n"
     "uma, máxima de T = 100 anos (Gumbel), o volume para 50% da vazão média, os anos com\n"
     "mínima nula, p0 e se Mann-Kendall ou Pettitt rejeitam a 5% a estacionariedade das\n"
     "mínimas, cada número com todos os algarismos. Mínimas nulas entram pelo método da\n"
     "probabilidade condicional (--sem-nulas: como valores); com 1/T <= p0 QD,T é nula. Um\n"
     "valor negativo ou de curva fora de ordem nunca é dado: a célula fica vazia. Um arquivo que\n"
     "não pôde ser analisado fica com o motivo na coluna Erro (e o código de saída é 1).\n"
     "Sem -o, resumo.csv vai para a saída padrão. Com -o, vai para PASTA, com uma pasta por\n"
     "estação (o código) e os arquivos que minimas, maximas, medias, permanencia,\n"
     "regularizacao e minimas --distribuicoes escrevem; --pdf acrescenta a ficha de vazões de\n"
     "referência (ficha.pdf). As estações são analisadas em paralelo (--tarefas, padrão o\n"
     "número de processadores).\n"
     "--excluir-sinalizados LISTA deixa fora, como dias sem valor, os dias com esses sinais\n"
     "(estimado, duvidoso, regua-seca, regua-coberta, rio-seco, rio-cortado, bruto,\n"
     "preenchido, digitado, separados por vírgula).\n"
     "--mensal (com -o) grava mensal.csv na pasta de cada estação: Q95, Q90 e QD,T dos dias de\n"
     "cada mês do período, de Janeiro a Dezembro, e a vazão média; cada --estacao M1-M2 (6-9,\n"
     "10-3) acrescenta uma linha com os meses de M1 a M2.\n"
     "--criterio ARQ dá a vazão outorgável pelo critério de outorga do arquivo (ou pelo exemplo\n"
     "do programa com esse nome, como sao_paulo_50_q710): resumo.csv ganha o critério, a vazão\n"
     "de referência, a vazão outorgável e, num critério de base mensal, o mês crítico (mensal.csv\n"
     "ganha a vazão outorgável de cada mês). Os exemplos vêm da literatura: confira na norma em\n"
     "vigor.\n",
     corvel::cli::executarResumo},
    {"hidrograma", "hidrógrafa de um ano ou do período todo como figura (.png)",
     "uso: corvel-cli hidrograma estacao.cvl [--ano A] -o figura.png [--limites SUP INF]\n"
     "Desenha as vazões diárias de todos os meses do projeto, qualquer que seja a situação, como\n"
     "na janela \"Hidrograma\": do ano civil A (\"Hidrógrafa anual\") ou, sem --ano, do período\n"
     "todo (\"Hidrógrafa completa\"). Dias sem valor interrompem a linha. --limites dá os\n"
     "valores medidos extremos da curva-chave em m³/s (vírgula ou ponto decimal), desenhados\n"
     "como linhas horizontais; o superior deve ser maior que o inferior, e este pelo menos 0.\n"
     "A figura tem 1400 x 800 pontos: PNG, ou bitmap quando o nome termina em .bmp; um\n"
     "arquivo que já existe é substituído. Usa o módulo de desenho (corvel-ficha) instalado\n"
     "ao lado do programa.\n",
     corvel::cli::executarHidrograma},
};

} // namespace

int main(int argc, char* argv[]) {
    // Only a command that draws loads the widgets, through the drawing module.
    const auto app = corvel::cli::criarAplicacao(argc, argv, corvel::cli::pedeGraficos(argc, argv));
    // The workbench's name: both programs share the user's data folder (the refreshed station
    // list, the last web-service answers).
    QCoreApplication::setApplicationName(QString::fromLatin1(corvel::kNomeProduto));
    corvel::numerosDaBibliotecaCEmFormaPadrao();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
#ifdef _WIN32
    // Result files are written byte for byte: their CR LF are already there.
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    QFile saida, erros;
    saida.open(stdout, QIODevice::WriteOnly | QIODevice::Unbuffered);
    erros.open(stderr, QIODevice::WriteOnly | QIODevice::Unbuffered);
    QStringList argumentos = QCoreApplication::arguments();
    argumentos.removeFirst();
    return corvel::cli::executarLinhaDeComando(argumentos, kSubcomandos, saida, erros);
}
