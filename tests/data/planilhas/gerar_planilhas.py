#!/usr/bin/env python3
"""Writes the workbooks of this folder the way other programs write them, with the standard library
only: the XML by hand, the archive with zipfile, the legacy .xls as a BIFF8 stream in a compound file.
Run it from anywhere; it rewrites the files beside it. The tests read them back by their values."""

import os
import struct
import zipfile

AQUI = os.path.dirname(os.path.abspath(__file__))
# A fixed date keeps the archives byte-identical from one run to the next.
DATA = (2024, 1, 1, 0, 0, 0)

NS_PLANILHA = "http://schemas.openxmlformats.org/spreadsheetml/2006/main"
NS_REL = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
NS_PACOTE = "http://schemas.openxmlformats.org/package/2006/relationships"
TIPO_DOC = "application/vnd.openxmlformats-officedocument.spreadsheetml"


def gravar_zip(nome, membros, compressao=zipfile.ZIP_DEFLATED):
    with zipfile.ZipFile(os.path.join(AQUI, nome), "w") as z:
        for caminho, texto in membros:
            info = zipfile.ZipInfo(caminho, DATA)
            info.compress_type = compressao
            z.writestr(info, texto.encode("utf-8") if isinstance(texto, str) else texto)


def xml(texto):
    return '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n' + texto


def escapar(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def celula_xlsx(ref, valor):
    """A cell as a writer that keeps no shared-string table does it: texts inline."""
    if valor is None:
        return ""
    if isinstance(valor, bool):
        return f'<c r="{ref}" t="b"><v>{int(valor)}</v></c>'
    if isinstance(valor, (int, float)):
        return f'<c r="{ref}"><v>{valor!r}</v></c>'
    if isinstance(valor, tuple) and valor[0] == "s":  # index into the shared strings
        return f'<c r="{ref}" t="s"><v>{valor[1]}</v></c>'
    if isinstance(valor, tuple) and valor[0] == "f":  # formula with its cached value, if any
        formula, cache = valor[1], valor[2]
        if cache is None:
            return f'<c r="{ref}"><f>{escapar(formula)}</f><v></v></c>'
        if isinstance(cache, str):
            return f'<c r="{ref}" t="str"><f>{escapar(formula)}</f><v>{escapar(cache)}</v></c>'
        return f'<c r="{ref}"><f>{escapar(formula)}</f><v>{cache!r}</v></c>'
    if isinstance(valor, tuple) and valor[0] == "rico":  # inline text in runs
        runs = "".join(
            f"<r>{'<rPr><b/></rPr>' if negrito else ''}<t>{escapar(t)}</t></r>" for t, negrito in valor[1])
        return f'<c r="{ref}" t="inlineStr"><is>{runs}</is></c>'
    return f'<c r="{ref}" t="inlineStr"><is><t>{escapar(valor)}</t></is></c>'


def coluna(n):
    letras = ""
    while n:
        n, r = divmod(n - 1, 26)
        letras = chr(65 + r) + letras
    return letras


def planilha_xlsx(linhas):
    corpo = []
    for i, linha in enumerate(linhas, 1):
        celulas = "".join(celula_xlsx(f"{coluna(j)}{i}", v) for j, v in enumerate(linha, 1))
        corpo.append(f'<row r="{i}">{celulas}</row>')
    return xml(f'<worksheet xmlns="{NS_PLANILHA}"><sheetPr><outlinePr summaryBelow="1" summaryRight="1"/>'
               f'</sheetPr><sheetViews><sheetView workbookViewId="0"><selection activeCell="A1" sqref="A1"/>'
               f'</sheetView></sheetViews><sheetFormatPr baseColWidth="8" defaultRowHeight="15"/>'
               f'<sheetData>{"".join(corpo)}</sheetData>'
               f'<pageMargins left="0.75" right="0.75" top="1" bottom="1" header="0.5" footer="0.5"/></worksheet>')


ESTILOS = xml(f'<styleSheet xmlns="{NS_PLANILHA}"><numFmts count="0"/><fonts count="1"><font><name val="Calibri"/>'
              '<family val="2"/><color theme="1"/><sz val="11"/><scheme val="minor"/></font></fonts>'
              '<fills count="2"><fill><patternFill/></fill><fill><patternFill patternType="gray125"/></fill></fills>'
              '<borders count="1"><border><left/><right/><top/><bottom/><diagonal/></border></borders>'
              '<cellStyleXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0"/></cellStyleXfs>'
              '<cellXfs count="1"><xf numFmtId="0" fontId="0" fillId="0" borderId="0" pivotButton="0" quotePrefix="0"'
              ' xfId="0"/></cellXfs><cellStyles count="1"><cellStyle name="Normal" xfId="0" builtinId="0"/>'
              '</cellStyles><tableStyles count="0" defaultTableStyle="TableStyleMedium9"'
              ' defaultPivotStyle="PivotStyleLight16"/></styleSheet>')


def gravar_xlsx(nome, folhas, compartilhados=None, compressao=zipfile.ZIP_DEFLATED):
    """Every relationship target written absolute (/xl/...), as some writers do."""
    tipos = [f'<Override PartName="/xl/worksheets/sheet{i}.xml" ContentType="{TIPO_DOC}.worksheet+xml"/>'
             for i in range(1, len(folhas) + 1)]
    rels = [f'<Relationship Type="{NS_REL}/worksheet" Target="/xl/worksheets/sheet{i}.xml" Id="rId{i}"/>'
            for i in range(1, len(folhas) + 1)]
    n = len(folhas)
    rels.append(f'<Relationship Type="{NS_REL}/styles" Target="/xl/styles.xml" Id="rId{n + 1}"/>')
    membros_extra = []
    if compartilhados is not None:
        tipos.append(f'<Override PartName="/xl/sharedStrings.xml" ContentType="{TIPO_DOC}.sharedStrings+xml"/>')
        rels.append(f'<Relationship Type="{NS_REL}/sharedStrings" Target="/xl/sharedStrings.xml" Id="rId{n + 2}"/>')
        itens = "".join(f"<si><t>{escapar(s)}</t></si>" for s in compartilhados)
        membros_extra.append(("xl/sharedStrings.xml", xml(
            f'<sst xmlns="{NS_PLANILHA}" uniqueCount="{len(compartilhados)}">{itens}</sst>')))
    folhas_wb = "".join(f'<sheet name="{escapar(nome_f)}" sheetId="{i}" state="visible" r:id="rId{i}"/>'
                        for i, (nome_f, _) in enumerate(folhas, 1))
    membros = [
        ("[Content_Types].xml", xml(
            '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
            '<Default Extension="rels" ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
            '<Default Extension="xml" ContentType="application/xml"/>'
            f'<Override PartName="/xl/workbook.xml" ContentType="{TIPO_DOC}.sheet.main+xml"/>'
            f'<Override PartName="/xl/styles.xml" ContentType="{TIPO_DOC}.styles+xml"/>'
            + "".join(tipos) + '</Types>')),
        ("_rels/.rels", xml(
            f'<Relationships xmlns="{NS_PACOTE}"><Relationship Id="rId1" Type="{NS_REL}/officeDocument"'
            ' Target="/xl/workbook.xml"/></Relationships>')),
        ("xl/workbook.xml", xml(
            f'<workbook xmlns="{NS_PLANILHA}" xmlns:r="{NS_REL}"><workbookPr/><bookViews><workbookView'
            ' visibility="visible" minimized="0" showHorizontalScroll="1" showVerticalScroll="1"'
            ' showSheetTabs="1" tabRatio="600" firstSheet="0" activeTab="0" autoFilterDateGrouping="1"/>'
            f'</bookViews><sheets>{folhas_wb}</sheets><definedNames/><calcPr calcId="124519"'
            ' fullCalcOnLoad="1"/></workbook>')),
        ("xl/_rels/workbook.xml.rels", xml(f'<Relationships xmlns="{NS_PACOTE}">{"".join(rels)}</Relationships>')),
        ("xl/styles.xml", ESTILOS),
    ] + membros_extra + [(f"xl/worksheets/sheet{i}.xml", planilha_xlsx(linhas))
                         for i, (_, linhas) in enumerate(folhas, 1)]
    gravar_zip(nome, membros, compressao)


def gravar_ods(nome, folhas):
    def celula(v):
        if v is None:
            return "<table:table-cell/>"
        if isinstance(v, tuple):  # formula with its cached value
            return (f'<table:table-cell table:formula="{escapar(v[1])}" office:value-type="float"'
                    f' office:value="{v[2]!r}"><text:p>{v[2]!r}</text:p></table:table-cell>')
        if isinstance(v, (int, float)):
            return (f'<table:table-cell office:value-type="float" office:value="{v!r}">'
                    f'<text:p>{str(v).replace(".", ",")}</text:p></table:table-cell>')
        return f'<table:table-cell office:value-type="string"><text:p>{escapar(v)}</text:p></table:table-cell>'

    tabelas = "".join(
        f'<table:table table:name="{escapar(n)}">'
        + "".join("<table:table-row>" + "".join(celula(v) for v in linha) + "</table:table-row>" for linha in linhas)
        + "</table:table>" for n, linhas in folhas)
    conteudo = xml(
        '<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0"'
        ' xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0"'
        ' xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"'
        ' xmlns:of="urn:oasis:names:tc:opendocument:xmlns:of:1.2" office:version="1.2">'
        f'<office:body><office:spreadsheet>{tabelas}</office:spreadsheet></office:body></office:document-content>')
    manifesto = xml(
        '<manifest:manifest xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" manifest:version="1.2">'
        '<manifest:file-entry manifest:full-path="/" manifest:media-type="application/vnd.oasis.opendocument.spreadsheet"/>'
        '<manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>'
        '</manifest:manifest>')
    with zipfile.ZipFile(os.path.join(AQUI, nome), "w") as z:
        info = zipfile.ZipInfo("mimetype", DATA)  # first and stored, as the format asks
        z.writestr(info, b"application/vnd.oasis.opendocument.spreadsheet")
        for caminho, texto in (("content.xml", conteudo), ("META-INF/manifest.xml", manifesto)):
            info = zipfile.ZipInfo(caminho, DATA)
            info.compress_type = zipfile.ZIP_DEFLATED
            z.writestr(info, texto.encode("utf-8"))


def registro(tipo, dados):
    return struct.pack("<HH", tipo, len(dados)) + dados


def texto_biff(s, largura_contagem):
    """A BIFF8 Unicode string, always in UTF-16."""
    cod = s.encode("utf-16-le")
    return struct.pack("<H" if largura_contagem == 2 else "<B", len(s)) + b"\x01" + cod


def gravar_xls(nome, nome_folha, linhas):
    """A BIFF8 workbook of one sheet: texts through the shared-string table, numbers as NUMBER."""
    textos = []
    celulas = b""
    for i, linha in enumerate(linhas):
        for j, v in enumerate(linha):
            if v is None:
                continue
            if isinstance(v, str):
                if v not in textos:
                    textos.append(v)
                celulas += registro(0x00FD, struct.pack("<HHHI", i, j, 15, textos.index(v)))
            else:
                celulas += registro(0x0203, struct.pack("<HHHd", i, j, 15, float(v)))
    bof = lambda tipo: registro(0x0809, struct.pack("<HHHHII", 0x0600, tipo, 0x0DBB, 0x07CC, 0, 6))
    fonte = registro(0x0031, struct.pack("<HHHHHBBBB", 200, 0, 0x7FFF, 400, 0, 0, 0, 0, 0) + texto_biff("Arial", 1))
    # Fifteen style formats and one cell format, the least a reader expects before the cells.
    xf_estilo = registro(0x00E0, struct.pack("<HHHBBBBIIH", 0, 0, 0xFFF5, 0x20, 0, 0, 0, 0, 0, 0x20C0))
    xf_celula = registro(0x00E0, struct.pack("<HHHBBBBIIH", 0, 0, 0x0001, 0x20, 0, 0, 0, 0, 0, 0x20C0))
    sst = registro(0x00FC, struct.pack("<II", len(textos), len(textos)) + b"".join(texto_biff(t, 2) for t in textos))
    nome_biff = texto_biff(nome_folha, 1)
    globais_sem_folha = bof(0x0005) + registro(0x0042, struct.pack("<H", 1200)) + fonte * 5 + xf_estilo * 15 + xf_celula
    tamanho_folha_reg = 4 + 6 + len(nome_biff)
    fim = registro(0x000A, b"")
    inicio_folha = len(globais_sem_folha) + tamanho_folha_reg + len(sst) + len(fim)
    globais = globais_sem_folha + registro(0x0085, struct.pack("<IBB", inicio_folha, 0, 0) + nome_biff) + sst + fim
    colunas = max(len(l) for l in linhas)
    folha = (bof(0x0010) + registro(0x0200, struct.pack("<IIHHH", 0, len(linhas), 0, colunas, 0)) + celulas + fim)
    fluxo = globais + folha
    fluxo += b"\x00" * max(0, 4096 - len(fluxo))  # at least the size that keeps it out of the mini stream
    gravar_cfb(nome, fluxo)


def gravar_cfb(nome, fluxo):
    """A compound file (version 3, 512-byte sectors) holding one stream named Workbook."""
    setores = (len(fluxo) + 511) // 512
    assert setores + 2 <= 128, "one FAT sector is enough for these files"
    fluxo_pad = fluxo + b"\x00" * (setores * 512 - len(fluxo))
    fim_cadeia, livre, setor_fat = 0xFFFFFFFE, 0xFFFFFFFF, 0xFFFFFFFD
    fat = [setor_fat] + [k + 1 for k in range(1, setores)] + [fim_cadeia, fim_cadeia]
    fat += [livre] * (128 - len(fat))
    diretorio_setor = setores + 1
    cabecalho = (b"\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1" + b"\x00" * 16
                 + struct.pack("<HHHHH", 0x003E, 0x0003, 0xFFFE, 9, 6) + b"\x00" * 6
                 + struct.pack("<IIIIIIIII", 0, 1, diretorio_setor, 0, 0x1000, fim_cadeia, 0, fim_cadeia, 0)
                 + struct.pack("<I", 0) + struct.pack("<I", livre) * 108)

    def entrada(nome_e, tipo, filho, inicio, tamanho):
        cod = (nome_e + "\x00").encode("utf-16-le") if nome_e else b""
        return (cod + b"\x00" * (64 - len(cod)) + struct.pack("<HBB", len(cod), tipo, 1)
                + struct.pack("<III", livre, livre, filho) + b"\x00" * 16 + b"\x00" * 4 + b"\x00" * 16
                + struct.pack("<IQ", inicio, tamanho))

    diretorio = (entrada("Root Entry", 5, 1, fim_cadeia, 0) + entrada("Workbook", 2, livre, 1, len(fluxo))
                 + entrada("", 0, livre, 0, 0) * 2)
    with open(os.path.join(AQUI, nome), "wb") as f:
        f.write(cabecalho + struct.pack("<128I", *fat) + fluxo_pad + diretorio)


def main():
    # Texts inline (plain and in runs) and shared, numbers, a truth value and a formula whose cached
    # value is the one to read.
    gravar_xlsx("outra_biblioteca.xlsx", [("Eventos", [
        ["Ano", ("s", 0)],
        ["1990", 126.99],
        [("rico", [("19", False), ("91", True)]), 0],
        ["Março/1992", 1234.5],
        [("s", 1), ("f", "SUM(B2:B4)", 1361.49), True, ("f", '"a"&"b"', "ab")],
    ])], compartilhados=["Vazão (m³/s)", "Soma"])
    # A single formula over every other column, and one over the whole sheet without a cached value.
    gravar_xlsx("soma_colunas_inteiras.xlsx", [("Planilha1", [[("f", "SUM(B:XFD)", 0)]])])
    gravar_xlsx("soma_folha_inteira.xlsx", [("Planilha1", [[("f", "SUM(B1:XFD1048576)", None)]])])
    # Uncompressed members: a value can be edited in place while the checksums stay as they were.
    gravar_xlsx("sem_compressao.xlsx", [("Vazoes", [["Vazão", 126.99], ["Dia", 2]])],
                compressao=zipfile.ZIP_STORED)
    # Eight by eight values, and a sheet with a formula over the whole sheet and one whose cached
    # value was left stale (7, where the values above add up to 2496).
    gravar_ods("grade.ods", [("Grade", [[i * 10 + j + 0.5 for j in range(8)] for i in range(8)]),
                             ("Soma", [[("f", "of:=SUM([.B1:.AMJ1048576])", 0)],
                                       [("f", "of:=SUM([$Grade.A1:.H8])", 7)]])])
    gravar_xls("valores.xls", "Vazões", [["Mês", "Dia 01"], ["Março/1990", 126.99], ["Abril/1990", 0]])


if __name__ == "__main__":
    main()
