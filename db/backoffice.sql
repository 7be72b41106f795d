-- Back-office database: the tables that the point of sale, the back office, the order
-- importer and the master-data exporter share.
--
-- Safe to run more than once: every object is created only when it is missing (functions and
-- triggers are replaced). Plain SQL only, so it loads through psql and through a driver's
-- simple-query call alike.
--
-- Keys are serial columns: each draws from the sequence "<table>_<column>_seq", which the
-- programs name when they start a new row.
--
-- Change logs: every master table that the mobile side receives has a log "offline_<table>"
-- (id, codigo, deletado), filled by triggers. The highest id of a log is the table's version;
-- the exporter sends the rows whose changes lie above the version the service already holds.

-- A second run reports every object it skips; only warnings and errors are worth showing.
SET client_min_messages TO warning;

-- ---------------------------------------------------------------------------------------------
-- Change-log machinery
-- ---------------------------------------------------------------------------------------------

-- Records the changes of one statement in offline_<table>, one row per changed row, in key
-- order. TG_ARGV[0] names the key column. Each table has three statement-level triggers
-- (insert, update, delete) that hand over the affected rows as "novas" and "antigas", so a
-- bulk change costs one insert into the log rather than one per row.
--
-- An update records only the rows it really changed, so saving an unchanged form does not send
-- the record again; a key that an update replaced is recorded as deleted. (Comparing whole rows
-- needs an equality operator for every column type, which all the back office's types have.)
--
-- The advisory lock, held until commit, makes the ids of one log commit in the order they were
-- drawn: without it a transaction that drew a lower id could commit after the exporter had
-- already read a higher one as the table's version, and its change would never be sent.
CREATE OR REPLACE FUNCTION registra_alteracao_offline() RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    chave CONSTANT text := TG_ARGV[0];
    tabela_log CONSTANT text := 'offline_' || TG_TABLE_NAME;
BEGIN
    PERFORM pg_advisory_xact_lock(7310, TG_RELID::integer);
    IF TG_OP = 'INSERT' THEN
        EXECUTE format('INSERT INTO %1$I (codigo, deletado) '
                       'SELECT %2$I, false FROM novas ORDER BY 1', tabela_log, chave);
    ELSIF TG_OP = 'DELETE' THEN
        EXECUTE format('INSERT INTO %1$I (codigo, deletado) '
                       'SELECT %2$I, true FROM antigas ORDER BY 1', tabela_log, chave);
    ELSE
        EXECUTE format('INSERT INTO %1$I (codigo, deletado) SELECT %2$I, true FROM '
                       '(SELECT %2$I FROM antigas EXCEPT SELECT %2$I FROM novas) s ORDER BY 1',
                       tabela_log, chave);
        EXECUTE format('INSERT INTO %1$I (codigo, deletado) SELECT %2$I, false FROM '
                       '(SELECT * FROM novas EXCEPT SELECT * FROM antigas) s ORDER BY 1',
                       tabela_log, chave);
    END IF;
    RETURN NULL;
END
$$;

-- Some exported rows carry columns of another table (a client its city's name, a price its
-- price table's description, an order line its order's client, totals and date). When an
-- update really changes such parent rows, their children are recorded as changed so that the
-- mobile side gets the new values. TG_ARGV: parent key column, child table, child's reference
-- column, child key.
CREATE OR REPLACE FUNCTION registra_alteracao_dependentes() RETURNS trigger
LANGUAGE plpgsql AS $$
DECLARE
    chave_pai CONSTANT text := TG_ARGV[0];
    filha CONSTANT text := TG_ARGV[1];
    referencia CONSTANT text := TG_ARGV[2];
    chave_filha CONSTANT text := TG_ARGV[3];
BEGIN
    PERFORM pg_advisory_xact_lock(7310, filha::regclass::oid::integer);
    EXECUTE format('INSERT INTO %1$I (codigo, deletado) SELECT %2$I, false FROM %3$I '
                   'WHERE %4$I IN (SELECT %5$I FROM (SELECT * FROM novas EXCEPT '
                   'SELECT * FROM antigas) s) ORDER BY 1',
                   'offline_' || filha, chave_filha, filha, referencia, chave_pai);
    RETURN NULL;
END
$$;

-- The change logs, one per table that has ever been offered to the mobile side. Some belong to
-- point-of-sale tables that this database does not hold; they stay empty (version 0).
CREATE TABLE IF NOT EXISTS offline_configuracao (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_configuracao2 (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_configuracaonfce (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_funcionario (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_modeloserie (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_caixa (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_regimetributario (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_emitente (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_cliente (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_planoconta (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_formapagamento (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_cfop (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_aliquotaecf (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_setor (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_grupo (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_produto (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_codigobarra (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_produtoorigemfinal (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_promocao (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_promocaoproduto (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_corcaixa (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_marca (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_tabelaprecoproduto (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_tabelaprecovendedor (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_vendedor (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_vinculoprodutocfop (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);
CREATE TABLE IF NOT EXISTS offline_produtopedidovenda (
    id serial PRIMARY KEY,
    codigo integer NOT NULL,
    deletado boolean NOT NULL DEFAULT false,
    datahora timestamp NOT NULL DEFAULT now()
);

-- ---------------------------------------------------------------------------------------------
-- Places and the business itself
-- ---------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS cidade (
    codcidade serial PRIMARY KEY,
    nomecidade varchar(41) NOT NULL,
    uf char(2) NOT NULL,
    codigomunicipio integer,              -- IBGE municipality code
    exterior boolean NOT NULL DEFAULT false
);

CREATE TABLE IF NOT EXISTS regimetributario (
    codregime serial PRIMARY KEY,
    nomeregime varchar(60) NOT NULL
);

CREATE TABLE IF NOT EXISTS emitente (
    codemitente serial PRIMARY KEY,
    codcidade integer REFERENCES cidade (codcidade),
    razaosocial varchar(60),
    nomefantasia varchar(41),
    responsavel varchar(41),
    cep varchar(9),
    logradouro varchar(41),
    numero varchar(10),
    complemento varchar(40),
    bairro varchar(41),
    telefone varchar(14),
    fax varchar(14),
    celular varchar(14),
    cnpjcpf varchar(18),                  -- kept with its punctuation
    inscricaoestadualrg varchar(20),
    inscricaomunicipal varchar(20),
    email varchar(100),
    site varchar(100),
    cnaeprimario varchar(10),
    cnaesecundario varchar(255),
    codregime integer REFERENCES regimetributario (codregime),
    dataliberacao date,
    dataultimaabertura date,
    versaosistema varchar(20),
    versaobanco varchar(20),
    versaosintegra varchar(20),
    versaospedicms varchar(20),
    versaospedpiscofins varchar(20),
    versaovarelopdv varchar(20),
    cpfresponsavel varchar(14),
    cei varchar(20),
    farmacia boolean NOT NULL DEFAULT false
);

-- ---------------------------------------------------------------------------------------------
-- Settings: one row each. Point-of-sale settings live in configuracao, back-office and
-- restaurant settings in configuracao2; they are always read together as a cross join, so
-- no column name appears in both.
-- ---------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS configuracao (
    codconfiguracao serial PRIMARY KEY,
    -- cash drawer and operator
    supervisor boolean NOT NULL DEFAULT false,
    pdvsenhafecharoperador boolean NOT NULL DEFAULT false,
    zerarsuprimentoaofecharoperador boolean NOT NULL DEFAULT false,
    pdvgravasupsangrialivrocaixa boolean NOT NULL DEFAULT false,
    pdvcodplanocontasangria integer,
    pdvcodplanocontasuprimento integer,
    pdvusarsaldolivrocaixasangria boolean NOT NULL DEFAULT false,
    suprimentosangriacomsenha boolean NOT NULL DEFAULT false,
    senhaverificarsaldooperador boolean NOT NULL DEFAULT false,
    retiradadecaixaobrigatorio boolean NOT NULL DEFAULT false,
    valormaximocaixa double precision NOT NULL DEFAULT 0,
    suprimentosangria2vias boolean NOT NULL DEFAULT false,
    pdvcontasareceber boolean NOT NULL DEFAULT false,
    operadorrestaurante boolean NOT NULL DEFAULT false,
    -- receipts and reports
    pdvlogorelatorio varchar(255),
    linhacupomtroca01 varchar(48),
    linhacupomtroca02 varchar(48),
    linhacupomtroca03 varchar(48),
    naoimprimipromissoriapdv boolean NOT NULL DEFAULT false,
    pdvexibirlimiteclientepromissoria boolean NOT NULL DEFAULT false,
    pdvexibirsaldodevedorpromissoria boolean NOT NULL DEFAULT false,
    pdvpromissoriaprazomod02 boolean NOT NULL DEFAULT false,
    guiacontroleentrega boolean NOT NULL DEFAULT false,
    pdvperguntaimprimircupom boolean NOT NULL DEFAULT false,
    pdvperguntaimprimirdiretononao boolean NOT NULL DEFAULT false,
    pdvgerencialtrocosolidario boolean NOT NULL DEFAULT false,
    pdvtouch boolean NOT NULL DEFAULT false,
    pdvusacartaosenhaadm boolean NOT NULL DEFAULT false,
    pdvprefixocartao varchar(10),
    pdvvisualizarimpressoes boolean NOT NULL DEFAULT false,
    saircomesc boolean NOT NULL DEFAULT true,
    -- client registration at the counter
    pdvdatanascimentoclienteobrigatoria boolean NOT NULL DEFAULT false,
    pdvtelefoneclienteobrigatorio boolean NOT NULL DEFAULT false,
    pdvdestacarclientebloqueadoaopesquisar boolean NOT NULL DEFAULT false,
    -- stock
    utilizarbaixaestoquerestaurante boolean NOT NULL DEFAULT false,
    restaurante boolean NOT NULL DEFAULT false,
    utilizabaixaautomaticacomposicao boolean NOT NULL DEFAULT false,
    prodbaixardireto boolean NOT NULL DEFAULT false,
    estoquenegativo boolean NOT NULL DEFAULT false,
    alertaquantidademaxima double precision NOT NULL DEFAULT 0,
    reduziricmsbasepiscofins boolean NOT NULL DEFAULT false,
    pdvexibirdescontoacrescimoitem boolean NOT NULL DEFAULT false,
    pdvimprimiemumalinha boolean NOT NULL DEFAULT false,
    -- printed document layout
    rel_danfcasasdecimais integer NOT NULL DEFAULT 2,
    pdvlogodanfe varchar(255),
    rel_algutalogo integer NOT NULL DEFAULT 0,
    rel_larguralogo integer NOT NULL DEFAULT 0,
    rel_largura integer NOT NULL DEFAULT 80,
    rel_margemtopo double precision NOT NULL DEFAULT 0,
    rel_margemfundo double precision NOT NULL DEFAULT 0,
    rel_margemesquerda double precision NOT NULL DEFAULT 0,
    rel_margemdireita double precision NOT NULL DEFAULT 0,
    -- order importer
    importarpedidoautomaticoimportador boolean NOT NULL DEFAULT true,
    utilizamultiplopgtopedido boolean NOT NULL DEFAULT false,
    gravarpedidofechadoimportadoordixmobile boolean NOT NULL DEFAULT false,
    -- what the mobile side may do
    utilizarmultiplosprecospedidovenda boolean NOT NULL DEFAULT false,
    alteracaoprecobalcao boolean NOT NULL DEFAULT false,
    utilizarvendedortabelapreco boolean NOT NULL DEFAULT false,
    exibirestoquedispositivo boolean NOT NULL DEFAULT false,
    clienteporvendedor boolean NOT NULL DEFAULT false,
    exportaprodutonegativo boolean NOT NULL DEFAULT false,
    alterarprecoprodutodispositivo boolean NOT NULL DEFAULT false,
    ultilizardadoscontratuaiscadastrocliente boolean NOT NULL DEFAULT false,
    camposfacultativoscadastroclienteordixmobile boolean NOT NULL DEFAULT false,
    utilizaracrescimoindividual boolean NOT NULL DEFAULT false,
    utilizarvalormaxdescontoporvendedorapppedido boolean NOT NULL DEFAULT false,
    atualizarcadastroclientevarelo boolean NOT NULL DEFAULT false,
    usarmetodoimagempasta boolean NOT NULL DEFAULT false,
    ultilizarestoquenegativodispositovos boolean NOT NULL DEFAULT false
);

CREATE TABLE IF NOT EXISTS configuracao2 (
    codconfiguracao2 serial PRIMARY KEY,
    -- back-office cash drawer
    retaguardasupervisor boolean NOT NULL DEFAULT false,
    retaguardasenhafecharoperador boolean NOT NULL DEFAULT false,
    retaguardazerarsuprimentoaofecharoperador boolean NOT NULL DEFAULT false,
    retaguardagravasupsangrialivrocaixa boolean NOT NULL DEFAULT false,
    retaguardacodplanocontasangria integer,
    retaguardacodplanocontasuprimento integer,
    retaguardausarsaldolivrocaixasangria boolean NOT NULL DEFAULT false,
    retaguardasuprimentosangriacomsenha boolean NOT NULL DEFAULT false,
    retaguardasenhaverificarsaldooperador boolean NOT NULL DEFAULT false,
    retaguardaretiradadecaixaobrigatorio boolean NOT NULL DEFAULT false,
    retaguardavalormaximocaixa double precision NOT NULL DEFAULT 0,
    retaguardasuprimentosangria2vias boolean NOT NULL DEFAULT false,
    retaguardausacartaosenhaadm boolean NOT NULL DEFAULT false,
    retaguardalogorelatorio varchar(255),
    retaguardavisualizarimpressoes boolean NOT NULL DEFAULT false,
    -- restaurant cash drawer
    restcodplanocontasangria integer,
    restcodplanocontasuprimento integer,
    restgravasupsangrialivrocaixa boolean NOT NULL DEFAULT false,
    restsuprimentosangria2vias boolean NOT NULL DEFAULT false,
    restlogorelatorio varchar(255),
    rest_supsang_motivo_obrigatorio boolean NOT NULL DEFAULT false,
    rest_supsang_informa_planoconta boolean NOT NULL DEFAULT false,
    restvalorsangriazerado boolean NOT NULL DEFAULT false,
    visualizarimpressaorestaurante boolean NOT NULL DEFAULT false,
    restconferirfechamentobrigatorio boolean NOT NULL DEFAULT false,
    rest_supsang_informa_cliente boolean NOT NULL DEFAULT false,
    rest_quitar_todas_contas_a_receber_no_suprimento boolean NOT NULL DEFAULT false,
    -- clients
    pdvexibecodfichacliente boolean NOT NULL DEFAULT false,
    pdvnaoexibirclientebloqueado boolean NOT NULL DEFAULT false,
    senhaadmalterarcadastrobairro boolean NOT NULL DEFAULT false,
    -- electronic invoices
    caminhocopiaxmlnfce varchar(255),
    -- mobile side
    exportarimagemprodutoordix boolean NOT NULL DEFAULT false,
    casasdecimaisquantidadeapp integer NOT NULL DEFAULT 2,
    ordixpesquisaprodutocodalternativo boolean NOT NULL DEFAULT false
);

-- Consumer invoice (NFC-e) issuing settings.
CREATE TABLE IF NOT EXISTS configuracaonfce (
    codconfiguracao serial PRIMARY KEY,
    certificadocaminho varchar(255),
    certificadosenha varchar(60),
    certificadonumerodeserie varchar(60),
    certificadotipoemissao integer NOT NULL DEFAULT 1,
    geralatualizarxml boolean NOT NULL DEFAULT true,
    geralexibirerroschemas boolean NOT NULL DEFAULT false,
    geralformatoalerta varchar(255),
    geralmodelodf integer NOT NULL DEFAULT 65,
    geralversaodf integer NOT NULL DEFAULT 400,
    geralidtoken varchar(10),
    geraltoken varchar(60),
    geralsalvar boolean NOT NULL DEFAULT true,
    geralretiraracentos boolean NOT NULL DEFAULT true,
    geralpathsalvar varchar(255),
    geralpathschemas varchar(255),
    webservicesuf char(2),
    webservicesambiente integer NOT NULL DEFAULT 2,  -- 1 production, 2 homologation
    webservicesvisualizar boolean NOT NULL DEFAULT false,
    webservicessalvarsoap boolean NOT NULL DEFAULT false,
    webservicesajustaraut boolean NOT NULL DEFAULT false,
    webservicesaguardar integer NOT NULL DEFAULT 0,
    webservicestentativas integer NOT NULL DEFAULT 5,
    webservicesintervalo integer NOT NULL DEFAULT 0,
    arquivossalvar boolean NOT NULL DEFAULT true,
    arquivospastamensal boolean NOT NULL DEFAULT true,
    arquivosaddliteral boolean NOT NULL DEFAULT false,
    arquivosemissaopathnfe boolean NOT NULL DEFAULT false,
    arquivossalvarpathevento boolean NOT NULL DEFAULT false,
    arquivossepararporcnpj boolean NOT NULL DEFAULT false,
    arquivospathnfe varchar(255),
    arquivospathcan varchar(255),
    arquivospathinul varchar(255),
    arquivospathdpec varchar(255),
    arquivospathcce varchar(255),
    arquivospathevento varchar(255),
    emailhost varchar(100),
    emailport integer,
    emailuser varchar(100),
    emailpass varchar(100),
    emailassunto varchar(100),
    emailssl boolean NOT NULL DEFAULT false,
    emailmsg text,
    danftipo integer NOT NULL DEFAULT 0,   -- printed layout code
    arquivosepararpormodelo boolean NOT NULL DEFAULT false,
    senhacertificado varchar(60),
    qtdemcontigencia integer NOT NULL DEFAULT 0,
    temposaidacontigencia integer NOT NULL DEFAULT 0,
    naoentraremcontingencia boolean NOT NULL DEFAULT false,
    viascontingencia integer NOT NULL DEFAULT 1,
    exibirmsgalertaexcecao boolean NOT NULL DEFAULT true,
    naoatualizarnotascontingencia boolean NOT NULL DEFAULT false,
    motivopadraocancelamento varchar(255),
    certificadopfx text,                   -- the certificate file, Base64
    senhapfx varchar(60),
    sincrono boolean NOT NULL DEFAULT true,
    zipado boolean NOT NULL DEFAULT false
);

-- ---------------------------------------------------------------------------------------------
-- People
-- ---------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS funcionario (
    codfuncionario serial PRIMARY KEY,
    codcidade integer REFERENCES cidade (codcidade),
    nome varchar(41) NOT NULL,
    cpf varchar(14),
    rg varchar(20),
    logradouro varchar(41),
    numero varchar(10),
    bairro varchar(41),
    cep varchar(9),
    telefone varchar(14),
    celular varchar(14),
    email varchar(100),
    datanascimento date,
    usuario varchar(20),
    senha varchar(20),
    administrador boolean NOT NULL DEFAULT false
);

CREATE TABLE IF NOT EXISTS vendedor (
    codvendedor serial PRIMARY KEY,
    nome varchar(41) NOT NULL,
    codfuncionario integer REFERENCES funcionario (codfuncionario),
    ultilizarmultiplosprecostabelapreco boolean NOT NULL DEFAULT false,
    valormaxdesconto double precision NOT NULL DEFAULT 0
);

-- Clients. The salesperson and the city are not enforced references: clients registered on the
-- mobile side arrive with whatever codes the device had, 0 included, and must not be refused.
CREATE TABLE IF NOT EXISTS cliente (
    codcliente serial PRIMARY KEY,
    codigoficha integer,                  -- the paper card number some shops still use
    razaosocialnome varchar(65),
    nomefantasia varchar(41),
    cnpjcpf varchar(18),                  -- as typed, with or without punctuation
    inscricaoestadualrg varchar(20),
    inscricaomunicipal varchar(10),
    orgaoemissor varchar(5),
    ufexpeditor varchar(2),
    contato varchar(30),
    cep varchar(9),
    logradouro varchar(41),
    numero varchar(20),
    complemento varchar(40),
    bairro varchar(41),
    pontoreferencia varchar(41),
    codcidade integer,
    telefone varchar(14),
    fax varchar(14),
    celular varchar(14),
    email varchar(1000),
    observacao varchar(255),
    nascimento date,
    datacadastro date DEFAULT current_date,
    codvendedor integer,
    tipopreco varchar(15),
    acrescimoindividual double precision NOT NULL DEFAULT 0,
    inativo boolean NOT NULL DEFAULT false,
    exibirnodispositivo boolean NOT NULL DEFAULT true,
    pedidocomst boolean NOT NULL DEFAULT false
);
-- Orders look their client up by document, once per order.
CREATE INDEX IF NOT EXISTS cliente_cnpjcpf_idx ON cliente (cnpjcpf);
CREATE INDEX IF NOT EXISTS cliente_codcidade_idx ON cliente (codcidade);

-- ---------------------------------------------------------------------------------------------
-- Products
-- ---------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS setor (
    codsetor serial PRIMARY KEY,
    nomesetor varchar(40) NOT NULL
);

CREATE TABLE IF NOT EXISTS grupo (
    codgrupo serial PRIMARY KEY,
    codsetor integer REFERENCES setor (codsetor),
    nomegrupo varchar(40) NOT NULL
);

CREATE TABLE IF NOT EXISTS marca (
    codmarca serial PRIMARY KEY,
    marcadescricao varchar(40) NOT NULL
);

CREATE TABLE IF NOT EXISTS produto (
    codproduto serial PRIMARY KEY,
    descricao varchar(50) NOT NULL,
    aplicacao varchar(255),
    codalternativoa varchar(14),
    codgrupo integer REFERENCES grupo (codgrupo),
    codmarca integer REFERENCES marca (codmarca),
    unidademedida varchar(10) NOT NULL DEFAULT 'UN',
    ncm char(10),
    tipo varchar(20),
    quantidade double precision NOT NULL DEFAULT 0,   -- stock on hand
    preco double precision NOT NULL DEFAULT 0,
    precorevenda double precision NOT NULL DEFAULT 0,
    precorevista double precision NOT NULL DEFAULT 0,
    mva double precision NOT NULL DEFAULT 0,
    pesoparacalculo double precision NOT NULL DEFAULT 0,
    promocao boolean NOT NULL DEFAULT false,
    imagem varchar(255),                  -- picture file name in the product picture folder
    exibirtablet boolean NOT NULL DEFAULT true,
    inativo boolean NOT NULL DEFAULT false
);

CREATE TABLE IF NOT EXISTS codigobarra (
    codcodigobarra serial PRIMARY KEY,
    codproduto integer NOT NULL REFERENCES produto (codproduto) ON DELETE CASCADE,
    codigobarra varchar(14) NOT NULL
);
CREATE INDEX IF NOT EXISTS codigobarra_codproduto_idx ON codigobarra (codproduto);

-- A product's ICMS substitution (ST) rates per issuing state.
CREATE TABLE IF NOT EXISTS vinculoprodutocfop (
    codvinculoprodutocfop serial PRIMARY KEY,
    codproduto integer NOT NULL REFERENCES produto (codproduto) ON DELETE CASCADE,
    ufemissao varchar(2) NOT NULL,
    cfop varchar(4),
    cstcsosn varchar(3),
    aliquotaicms double precision NOT NULL DEFAULT 0,
    mva double precision NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS vinculoprodutocfop_codproduto_idx ON vinculoprodutocfop (codproduto);

-- ---------------------------------------------------------------------------------------------
-- Prices and payment
-- ---------------------------------------------------------------------------------------------

CREATE TABLE IF NOT EXISTS tabelapreco (
    codtabelapreco serial PRIMARY KEY,
    descricao varchar(80) NOT NULL,
    regiao varchar(50)
);

CREATE TABLE IF NOT EXISTS tabelaprecoproduto (
    codtabpreco serial PRIMARY KEY,
    codtabelapreco integer NOT NULL REFERENCES tabelapreco (codtabelapreco) ON DELETE CASCADE,
    codproduto integer NOT NULL REFERENCES produto (codproduto) ON DELETE CASCADE,
    preco double precision NOT NULL DEFAULT 0,
    precofaccao double precision NOT NULL DEFAULT 0,
    precominimo double precision NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS tabelaprecoproduto_codtabelapreco_idx
    ON tabelaprecoproduto (codtabelapreco);
CREATE INDEX IF NOT EXISTS tabelaprecoproduto_codproduto_idx ON tabelaprecoproduto (codproduto);

-- The price tables a salesperson may sell from.
CREATE TABLE IF NOT EXISTS tabelaprecovendedor (
    codtabelaprecovendedor serial PRIMARY KEY,
    codvendedor integer NOT NULL REFERENCES vendedor (codvendedor) ON DELETE CASCADE,
    codtabelapreco integer NOT NULL REFERENCES tabelapreco (codtabelapreco) ON DELETE CASCADE
);

CREATE TABLE IF NOT EXISTS formapagamento (
    codformapagamento serial PRIMARY KEY,
    descricao varchar(40) NOT NULL,
    tipotratamento varchar(20),           -- DINHEIRO, CARTAO, BOLETO, CHEQUE, PRAZO, PIX
    intervalo integer NOT NULL DEFAULT 0, -- days between instalments
    parcelas integer NOT NULL DEFAULT 1
);

-- ---------------------------------------------------------------------------------------------
-- Sales orders
-- ---------------------------------------------------------------------------------------------

-- The order's salesperson and payment form are not enforced references: orders taken on the
-- mobile side carry 0 when none was chosen.
CREATE TABLE IF NOT EXISTS pedidovenda (
    codpedidovenda serial PRIMARY KEY,
    datapedido date DEFAULT current_date,
    dataentrega date,
    horapedido time DEFAULT localtime(0),
    codcliente integer REFERENCES cliente (codcliente),
    codvendedor integer,
    codformapagamento integer,
    desconto double precision NOT NULL DEFAULT 0,
    acrescimo double precision NOT NULL DEFAULT 0,
    valortotalprodutos double precision NOT NULL DEFAULT 0,
    valortotalpedido double precision NOT NULL DEFAULT 0,
    observacao varchar(1000),
    tipo char(1),
    condicional char(1),
    faturamento varchar(10),
    stpedido boolean NOT NULL DEFAULT false,
    tipobonificacaoapp boolean NOT NULL DEFAULT false,
    status char(2) NOT NULL DEFAULT 'A',  -- A open, F closed, C cancelled
    idnuvem integer                       -- the order's id in the cloud service, when it came from there
);
CREATE INDEX IF NOT EXISTS pedidovenda_codcliente_idx ON pedidovenda (codcliente);
CREATE INDEX IF NOT EXISTS pedidovenda_idnuvem_idx ON pedidovenda (idnuvem);

CREATE SEQUENCE IF NOT EXISTS produtopedidovenda_sequencia_seq;

CREATE TABLE IF NOT EXISTS produtopedidovenda (
    codprodutopedidovenda serial PRIMARY KEY,
    sequencia integer DEFAULT nextval('produtopedidovenda_sequencia_seq'),
    codpedidovenda integer NOT NULL REFERENCES pedidovenda (codpedidovenda) ON DELETE CASCADE,
    codproduto integer NOT NULL REFERENCES produto (codproduto),
    quantidade double precision NOT NULL DEFAULT 0,
    valorunitario double precision NOT NULL DEFAULT 0,
    valortotal double precision NOT NULL DEFAULT 0,
    descontoitem double precision NOT NULL DEFAULT 0,
    descontoitemporcentagem double precision NOT NULL DEFAULT 0,
    acrescimoitem double precision NOT NULL DEFAULT 0,
    acrescimoitemporcentagem double precision NOT NULL DEFAULT 0,
    observacaoitem varchar(1000),
    outros integer NOT NULL DEFAULT 0,
    precoalterado boolean NOT NULL DEFAULT false
);
ALTER SEQUENCE produtopedidovenda_sequencia_seq OWNED BY produtopedidovenda.sequencia;
CREATE INDEX IF NOT EXISTS produtopedidovenda_codpedidovenda_idx
    ON produtopedidovenda (codpedidovenda);

-- Payments of an order when it is paid with several forms.
CREATE TABLE IF NOT EXISTS pgtopedidovenda (
    codpgtopedidovenda serial PRIMARY KEY,
    codpedidovenda integer NOT NULL REFERENCES pedidovenda (codpedidovenda) ON DELETE CASCADE,
    codformapagamento integer,
    valorpagamento double precision NOT NULL DEFAULT 0,
    troco double precision NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS pgtopedidovenda_codpedidovenda_idx ON pgtopedidovenda (codpedidovenda);

-- Instalments of imported orders, turned into receivables when the order is invoiced.
CREATE TABLE IF NOT EXISTS pgtopedidoimportacao (
    codpgtopedidoimportacao serial PRIMARY KEY,
    codpedidoimportacao integer NOT NULL
        REFERENCES pedidovenda (codpedidovenda) ON DELETE CASCADE,
    codpedidowebimportacao integer,
    codformapagamento integer,
    dataemissao date,
    datavencimento date,
    valorparcela double precision NOT NULL DEFAULT 0,
    numeronf integer NOT NULL DEFAULT 0
);
CREATE INDEX IF NOT EXISTS pgtopedidoimportacao_codpedidoimportacao_idx
    ON pgtopedidoimportacao (codpedidoimportacao);

-- ---------------------------------------------------------------------------------------------
-- Change-log triggers: insert, update and delete of every table with a change log
-- ---------------------------------------------------------------------------------------------

CREATE OR REPLACE TRIGGER offline_configuracao_insercao AFTER INSERT ON configuracao
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_configuracao_alteracao AFTER UPDATE ON configuracao
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_configuracao_exclusao AFTER DELETE ON configuracao
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_configuracao2_insercao AFTER INSERT ON configuracao2
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao2');
CREATE OR REPLACE TRIGGER offline_configuracao2_alteracao AFTER UPDATE ON configuracao2
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao2');
CREATE OR REPLACE TRIGGER offline_configuracao2_exclusao AFTER DELETE ON configuracao2
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao2');
CREATE OR REPLACE TRIGGER offline_configuracaonfce_insercao AFTER INSERT ON configuracaonfce
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_configuracaonfce_alteracao AFTER UPDATE ON configuracaonfce
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_configuracaonfce_exclusao AFTER DELETE ON configuracaonfce
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codconfiguracao');
CREATE OR REPLACE TRIGGER offline_regimetributario_insercao AFTER INSERT ON regimetributario
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codregime');
CREATE OR REPLACE TRIGGER offline_regimetributario_alteracao AFTER UPDATE ON regimetributario
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codregime');
CREATE OR REPLACE TRIGGER offline_regimetributario_exclusao AFTER DELETE ON regimetributario
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codregime');
CREATE OR REPLACE TRIGGER offline_emitente_insercao AFTER INSERT ON emitente
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codemitente');
CREATE OR REPLACE TRIGGER offline_emitente_alteracao AFTER UPDATE ON emitente
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codemitente');
CREATE OR REPLACE TRIGGER offline_emitente_exclusao AFTER DELETE ON emitente
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codemitente');
CREATE OR REPLACE TRIGGER offline_funcionario_insercao AFTER INSERT ON funcionario
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codfuncionario');
CREATE OR REPLACE TRIGGER offline_funcionario_alteracao AFTER UPDATE ON funcionario
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codfuncionario');
CREATE OR REPLACE TRIGGER offline_funcionario_exclusao AFTER DELETE ON funcionario
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codfuncionario');
CREATE OR REPLACE TRIGGER offline_vendedor_insercao AFTER INSERT ON vendedor
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvendedor');
CREATE OR REPLACE TRIGGER offline_vendedor_alteracao AFTER UPDATE ON vendedor
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvendedor');
CREATE OR REPLACE TRIGGER offline_vendedor_exclusao AFTER DELETE ON vendedor
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvendedor');
CREATE OR REPLACE TRIGGER offline_cliente_insercao AFTER INSERT ON cliente
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcliente');
CREATE OR REPLACE TRIGGER offline_cliente_alteracao AFTER UPDATE ON cliente
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcliente');
CREATE OR REPLACE TRIGGER offline_cliente_exclusao AFTER DELETE ON cliente
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcliente');
CREATE OR REPLACE TRIGGER offline_setor_insercao AFTER INSERT ON setor
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codsetor');
CREATE OR REPLACE TRIGGER offline_setor_alteracao AFTER UPDATE ON setor
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codsetor');
CREATE OR REPLACE TRIGGER offline_setor_exclusao AFTER DELETE ON setor
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codsetor');
CREATE OR REPLACE TRIGGER offline_grupo_insercao AFTER INSERT ON grupo
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codgrupo');
CREATE OR REPLACE TRIGGER offline_grupo_alteracao AFTER UPDATE ON grupo
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codgrupo');
CREATE OR REPLACE TRIGGER offline_grupo_exclusao AFTER DELETE ON grupo
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codgrupo');
CREATE OR REPLACE TRIGGER offline_marca_insercao AFTER INSERT ON marca
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codmarca');
CREATE OR REPLACE TRIGGER offline_marca_alteracao AFTER UPDATE ON marca
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codmarca');
CREATE OR REPLACE TRIGGER offline_marca_exclusao AFTER DELETE ON marca
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codmarca');
CREATE OR REPLACE TRIGGER offline_produto_insercao AFTER INSERT ON produto
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codproduto');
CREATE OR REPLACE TRIGGER offline_produto_alteracao AFTER UPDATE ON produto
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codproduto');
CREATE OR REPLACE TRIGGER offline_produto_exclusao AFTER DELETE ON produto
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codproduto');
CREATE OR REPLACE TRIGGER offline_codigobarra_insercao AFTER INSERT ON codigobarra
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcodigobarra');
CREATE OR REPLACE TRIGGER offline_codigobarra_alteracao AFTER UPDATE ON codigobarra
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcodigobarra');
CREATE OR REPLACE TRIGGER offline_codigobarra_exclusao AFTER DELETE ON codigobarra
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codcodigobarra');
CREATE OR REPLACE TRIGGER offline_vinculoprodutocfop_insercao AFTER INSERT ON vinculoprodutocfop
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvinculoprodutocfop');
CREATE OR REPLACE TRIGGER offline_vinculoprodutocfop_alteracao AFTER UPDATE ON vinculoprodutocfop
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvinculoprodutocfop');
CREATE OR REPLACE TRIGGER offline_vinculoprodutocfop_exclusao AFTER DELETE ON vinculoprodutocfop
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codvinculoprodutocfop');
CREATE OR REPLACE TRIGGER offline_tabelaprecoproduto_insercao AFTER INSERT ON tabelaprecoproduto
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabpreco');
CREATE OR REPLACE TRIGGER offline_tabelaprecoproduto_alteracao AFTER UPDATE ON tabelaprecoproduto
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabpreco');
CREATE OR REPLACE TRIGGER offline_tabelaprecoproduto_exclusao AFTER DELETE ON tabelaprecoproduto
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabpreco');
CREATE OR REPLACE TRIGGER offline_tabelaprecovendedor_insercao AFTER INSERT ON tabelaprecovendedor
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabelaprecovendedor');
CREATE OR REPLACE TRIGGER offline_tabelaprecovendedor_alteracao AFTER UPDATE ON tabelaprecovendedor
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabelaprecovendedor');
CREATE OR REPLACE TRIGGER offline_tabelaprecovendedor_exclusao AFTER DELETE ON tabelaprecovendedor
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codtabelaprecovendedor');
CREATE OR REPLACE TRIGGER offline_formapagamento_insercao AFTER INSERT ON formapagamento
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codformapagamento');
CREATE OR REPLACE TRIGGER offline_formapagamento_alteracao AFTER UPDATE ON formapagamento
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codformapagamento');
CREATE OR REPLACE TRIGGER offline_formapagamento_exclusao AFTER DELETE ON formapagamento
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codformapagamento');
CREATE OR REPLACE TRIGGER offline_produtopedidovenda_insercao AFTER INSERT ON produtopedidovenda
    REFERENCING NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codprodutopedidovenda');
CREATE OR REPLACE TRIGGER offline_produtopedidovenda_alteracao AFTER UPDATE ON produtopedidovenda
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codprodutopedidovenda');
CREATE OR REPLACE TRIGGER offline_produtopedidovenda_exclusao AFTER DELETE ON produtopedidovenda
    REFERENCING OLD TABLE AS antigas
    FOR EACH STATEMENT EXECUTE FUNCTION registra_alteracao_offline('codprodutopedidovenda');

-- Parents whose columns travel with their children's records.
CREATE OR REPLACE TRIGGER offline_cidade_clientes AFTER UPDATE ON cidade
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION
        registra_alteracao_dependentes('codcidade', 'cliente', 'codcidade', 'codcliente');
CREATE OR REPLACE TRIGGER offline_tabelapreco_precos AFTER UPDATE ON tabelapreco
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION
        registra_alteracao_dependentes('codtabelapreco', 'tabelaprecoproduto', 'codtabelapreco',
                                       'codtabpreco');
CREATE OR REPLACE TRIGGER offline_pedidovenda_itens AFTER UPDATE ON pedidovenda
    REFERENCING OLD TABLE AS antigas NEW TABLE AS novas
    FOR EACH STATEMENT EXECUTE FUNCTION
        registra_alteracao_dependentes('codpedidovenda', 'produtopedidovenda', 'codpedidovenda',
                                       'codprodutopedidovenda');
