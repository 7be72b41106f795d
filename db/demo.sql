-- Demo business: a small food wholesaler in Goiás with its salespeople, clients, products,
-- price tables and a few past orders. Every name, document and address here is made up; the
-- CPF, CNPJ and EAN-13 numbers carry correct check digits.
--
-- Load it once, right after backoffice.sql, into an empty database. Rows carry fixed keys so
-- that demos and manual tests can name them; the sequences are moved past them at the end.

BEGIN;

INSERT INTO regimetributario (codregime, nomeregime) VALUES
    (1, 'Simples Nacional'),
    (2, 'Simples Nacional - excesso de sublimite de receita bruta'),
    (3, 'Regime Normal');

INSERT INTO cidade (codcidade, nomecidade, uf, codigomunicipio) VALUES
    (1, 'Anápolis', 'GO', 5201108),
    (2, 'Goiânia', 'GO', 5208707),
    (3, 'Pirenópolis', 'GO', 5217302),
    (4, 'Rio Verde', 'GO', 5218805),
    (5, 'Brasília', 'DF', 5300108),
    (6, 'Uberlândia', 'MG', 3170206);

INSERT INTO emitente (codemitente, codcidade, razaosocial, nomefantasia, responsavel, cep,
                      logradouro, numero, complemento, bairro, telefone, fax, celular, cnpjcpf,
                      inscricaoestadualrg, inscricaomunicipal, email, site, cnaeprimario,
                      cnaesecundario, codregime, dataliberacao, dataultimaabertura,
                      versaosistema, versaobanco, versaosintegra, versaospedicms,
                      versaospedpiscofins, versaovarelopdv, cpfresponsavel, cei, farmacia)
VALUES
    (1, 1, 'Distribuidora Serra Dourada Ltda', 'Serra Dourada Alimentos',
     'Helena Batista Moura', '75113-410', 'Avenida das Indústrias', '2150', 'Galpão 3',
     'Distrito Agroindustrial', '(62)3324-5170', '(62)3324-5171', '(62)99815-4402',
     '34.719.526/0001-48', '10.734.562-9', '458213', 'contato@serradourada.example.com',
     'www.serradourada.example.com', '4639701', '4637107, 4649408', 1, '2027-06-30',
     '2026-12-10', '5.8.2', '312', '1.4', '017', '006', '5.8.2', '041.938.275-50', '', false);

INSERT INTO configuracao (codconfiguracao, supervisor, pdvsenhafecharoperador,
                          valormaximocaixa, linhacupomtroca01, linhacupomtroca02,
                          linhacupomtroca03, pdvprefixocartao, alertaquantidademaxima,
                          importarpedidoautomaticoimportador, utilizamultiplopgtopedido,
                          gravarpedidofechadoimportadoordixmobile,
                          utilizarmultiplosprecospedidovenda, alteracaoprecobalcao,
                          utilizarvendedortabelapreco, exibirestoquedispositivo,
                          clienteporvendedor, exportaprodutonegativo,
                          alterarprecoprodutodispositivo,
                          ultilizardadoscontratuaiscadastrocliente,
                          camposfacultativoscadastroclienteordixmobile,
                          utilizaracrescimoindividual,
                          utilizarvalormaxdescontoporvendedorapppedido,
                          atualizarcadastroclientevarelo, usarmetodoimagempasta,
                          ultilizarestoquenegativodispositovos)
VALUES
    (1, true, true, 2000, 'Trocas em até 7 dias com este cupom.',
     'Produtos perecíveis não têm troca.', 'Obrigado pela preferência!', 'SD', 500,
     true, false, false,
     true, false, true, true, false, false, true, false, true, true, true, false, true, false);

INSERT INTO configuracao2 (codconfiguracao2, retaguardasupervisor, retaguardavalormaximocaixa,
                           pdvexibecodfichacliente, caminhocopiaxmlnfce,
                           exportarimagemprodutoordix, casasdecimaisquantidadeapp,
                           ordixpesquisaprodutocodalternativo)
VALUES
    (1, true, 5000, false, 'C:\varelo\XML\NFCe\', true, 2, true);

INSERT INTO configuracaonfce (codconfiguracao, certificadocaminho, certificadonumerodeserie,
                              geralidtoken, geraltoken, geralpathsalvar, geralpathschemas,
                              webservicesuf, webservicesambiente, arquivospathnfe,
                              arquivospathcan, arquivospathinul, arquivospathevento, emailhost,
                              emailport, emailuser, emailassunto, emailssl, emailmsg,
                              motivopadraocancelamento)
VALUES
    (1, 'C:\varelo\certificado\serradourada.pfx', '5A3C19E0D7B24F61', '000001',
     'A1B2C3D4-E5F6-4789-9ABC-DEF012345678', 'C:\varelo\NFCe\', 'C:\varelo\Schemas\', 'GO',
     2, 'C:\varelo\NFCe\Autorizadas\', 'C:\varelo\NFCe\Canceladas\',
     'C:\varelo\NFCe\Inutilizadas\', 'C:\varelo\NFCe\Eventos\', 'smtp.serradourada.example.com',
     587, 'nfce@serradourada.example.com', 'Nota fiscal de consumidor eletrônica', true,
     'Segue em anexo o XML da sua NFC-e.', 'Venda cancelada a pedido do cliente');

INSERT INTO funcionario (codfuncionario, codcidade, nome, cpf, rg, logradouro, numero, bairro,
                         cep, telefone, celular, email, datanascimento, usuario, senha,
                         administrador)
VALUES
    (1, 1, 'Helena Batista Moura', '041.938.275-50', '4187265', 'Rua Engenheiro Portela', '88',
     'Centro', '75020-110', '(62)3324-1180', '(62)99815-4402', 'helena@serradourada.example.com',
     '1979-03-14', 'HELENA', 'sd2024', true),
    (2, 1, 'Marcos Vinícius Teles', '357.602.819-68', '5521097', 'Rua Amazílio Lino', '415',
     'Jundiaí', '75110-480', '', '(62)99632-7815', 'marcos@serradourada.example.com',
     '1988-07-02', 'MARCOS', 'mv1988', false),
    (3, 2, 'Juliana Prado Rocha', '829.150.437-79', '6013385', 'Rua T-37', '1204',
     'Setor Bueno', '74230-020', '', '(62)99127-4460', 'juliana@serradourada.example.com',
     '1992-11-25', 'JULIANA', 'jp1992', false),
    (4, 1, 'Renato Alves Cunha', '615.273.904-70', '3998120', 'Avenida Pedro Ludovico', '77',
     'Vila Góis', '75070-230', '(62)3311-0942', '', '', '1975-01-30', 'RENATO', 'estoque',
     false);

INSERT INTO vendedor (codvendedor, nome, codfuncionario, ultilizarmultiplosprecostabelapreco,
                      valormaxdesconto)
VALUES
    (1, 'Marcos Vinícius Teles', 2, true, 8),
    (2, 'Juliana Prado Rocha', 3, false, 5),
    (3, 'Venda Balcão', NULL, false, 0);

INSERT INTO cliente (codcliente, codigoficha, razaosocialnome, nomefantasia, cnpjcpf,
                     inscricaoestadualrg, inscricaomunicipal, contato, cep, logradouro, numero,
                     complemento, bairro, pontoreferencia, codcidade, telefone, celular, email,
                     observacao, nascimento, datacadastro, codvendedor, tipopreco,
                     acrescimoindividual, inativo, exibirnodispositivo, pedidocomst)
VALUES
    (1, 101, 'Mercearia Bom Jesus Ltda', 'Mercearia Bom Jesus', '18.362.057/0001-04',
     '10.582.113-4', '20931', 'Sr. Aurélio', '75024-050', 'Rua Barão do Rio Branco', '640',
     '', 'Centro', 'Em frente à praça da matriz', 1, '(62)3321-4478', '(62)99904-1273',
     'compras@mercearia-bomjesus.example.com', 'Entrega às terças.', NULL, '2021-04-12', 1,
     'ATACADO', 0, false, true, false),
    (2, 102, 'Supermercado Vila Nova Ltda', 'Super Vila Nova', '40.521.789/0001-40',
     '10.617.204-0', '88415', 'Dona Célia', '74645-010', 'Avenida Independência', '3310',
     'Loja 1', 'Setor Leste Vila Nova', '', 2, '(62)3212-9050', '', 'celia@supervilanova.example.com',
     '', NULL, '2022-08-03', 1, 'ATACADO', 0, false, true, true),
    (3, 103, 'Padaria Pão de Mel Ltda', 'Pão de Mel - Filial Bueno', '62.109.435/0002-07',
     '10.744.390-1', '91207', 'Rogério', '74215-170', 'Rua T-51', '522', '', 'Setor Bueno', '',
     2, '(62)3251-6634', '(62)98433-0021', '', '', NULL, '2023-02-20', 2, 'VAREJO', 2.5, false,
     true, false),
    (4, 104, 'Ana Cláudia Ferreira Lima', '', '528.173.946-82', '4402917', '', '', '72310-305',
     'Quadra 103 Conjunto 5', '14', 'Casa', 'Samambaia Sul', '', 5, '', '(61)99218-3347',
     'anaclaudia.lima@correio.example.com', '', '1985-09-17', '2023-06-05', 2, 'VAREJO', 0,
     false, true, false),
    (5, 105, 'José Ribamar Souza', 'Bar do Zé', '713.608.259-59', '2218840', '', '', '72800-000',
     'Rua do Rosário', '31', '', 'Centro Histórico', 'Perto da ponte', 3, '(62)3331-1059', '',
     '', 'Paga sempre no PIX.', '1969-05-08', '2024-01-15', 1, 'VAREJO', 0, false, true, false),
    (6, 106, 'Luciana Martins Coelho', '', '280.457.163-71', '3751266', '', '', '75901-220',
     'Rua Costa Gomes', '905', 'Apto 302', 'Centro', '', 4, '', '(64)99677-5108', '', '',
     '1990-12-01', '2024-03-22', 2, 'VAREJO', 0, true, false, false),
    (7, 107, 'Sebastião Gonçalves Neto', 'Empório do Tião', '96421507867', '', '', '', '38400-100',
     'Avenida Afonso Pena', '1780', '', 'Centro', '', 6, '(34)3214-0667', '', '', '',
     '1958-08-19', '2024-09-09', 1, 'ATACADO', 1.5, false, true, true);

INSERT INTO setor (codsetor, nomesetor) VALUES
    (1, 'Mercearia'),
    (2, 'Bebidas'),
    (3, 'Limpeza');

INSERT INTO grupo (codgrupo, codsetor, nomegrupo) VALUES
    (1, 1, 'Grãos e Cereais'),
    (2, 1, 'Café e Achocolatados'),
    (3, 2, 'Refrigerantes e Sucos'),
    (4, 3, 'Limpeza Doméstica'),
    (5, 1, 'Massas e Molhos');

INSERT INTO marca (codmarca, marcadescricao) VALUES
    (1, 'Sabor do Cerrado'),
    (2, 'Fazenda Boa Vista'),
    (3, 'Cristal do Vale'),
    (4, 'Lar Brilhante'),
    (5, 'Nonna Rita');

-- Picture names are looked up in the product picture folder; some are missing on purpose
-- (empty or null), and their letter case varies as it does in real shops.
INSERT INTO produto (codproduto, descricao, aplicacao, codalternativoa, codgrupo, codmarca,
                     unidademedida, ncm, tipo, quantidade, preco, precorevenda, precorevista,
                     mva, pesoparacalculo, promocao, imagem, exibirtablet, inativo)
VALUES
    (1, 'Arroz Agulhinha Tipo 1 5kg', 'Grão longo fino', 'ARZ5', 1, 2, 'PCT', '10063021',
     'REVENDA', 340, 27.90, 25.50, 26.90, 0, 5, false, 'arroz-tipo1-5kg.jpg', true, false),
    (2, 'Feijão Carioca Tipo 1 1kg', '', 'FJC1', 1, 2, 'PCT', '07133319', 'REVENDA', 512, 8.49,
     7.90, 8.19, 0, 1, false, 'feijao-carioca-1kg.jpg', true, false),
    (3, 'Café Torrado e Moído 500g', 'Torra média, embalado a vácuo', 'CAF500', 2, 1, 'PCT',
     '09012100', 'REVENDA', 220, 18.90, 17.20, 18.20, 40, 0.5, true, 'cafe-500g.png', true,
     false),
    (4, 'Achocolatado em Pó 400g', '', 'ACH400', 2, 1, 'LT', '18069000', 'REVENDA', 96, 9.75,
     8.90, 9.40, 0, 0.4, false, 'ACHOCOLATADO-400G.JPG', true, false),
    (5, 'Refrigerante Guaraná 2L', 'Caixa com 6 unidades no atacado', 'GUA2L', 3, 3, 'UN',
     '22021000', 'REVENDA', 600, 7.99, 6.85, 7.49, 140, 2.1, false, 'guarana-2l.bmp', true,
     false),
    (6, 'Suco de Uva Integral 1L', '', 'SUV1L', 3, 3, 'UN', '20096100', 'REVENDA', 48, 14.50,
     12.90, 13.90, 0, 1.1, false, '', true, false),
    (7, 'Detergente Neutro 500ml', 'Louças e superfícies', 'DET500', 4, 4, 'UN', '34022000',
     'REVENDA', 1200, 2.79, 2.29, 2.59, 30, 0.5, true, 'detergente-neutro.jpg', true, false),
    (8, 'Água Sanitária 2L', '', 'AGS2L', 4, 4, 'UN', '28289011', 'REVENDA', 300, 6.40, 5.60,
     6.10, 0, 2, false, NULL, true, false),
    (9, 'Macarrão Espaguete 500g', 'Sêmola de trigo', 'ESP500', 5, 5, 'PCT', '19021900',
     'REVENDA', 410, 4.69, 3.99, 4.39, 0, 0.5, false, 'espaguete-500g.jpeg', true, false),
    (10, 'Molho de Tomate Tradicional 340g', '', 'MOL340', 5, 5, 'SACHE', '21032010', 'REVENDA',
     0, 3.29, 2.79, 3.09, 0, 0.34, false, 'molho-tomate.jpg', false, true);

INSERT INTO codigobarra (codcodigobarra, codproduto, codigobarra) VALUES
    (1, 1, '7896314001016'),
    (2, 2, '7896314001023'),
    (3, 3, '7896314002037'),
    (4, 4, '7896314002044'),
    (5, 5, '7895122003014'),
    (6, 5, '17895122003011'),   -- the box of six (DUN-14)
    (7, 6, '7895122003021'),
    (8, 7, '7897441004116'),
    (9, 8, '7897441004123'),
    (10, 9, '7892055005092'),
    (11, 10, '7892055005108');

-- ST links: only CST 201 rows (ICMS charged by substitution) are offered to the mobile side.
INSERT INTO vinculoprodutocfop (codvinculoprodutocfop, codproduto, ufemissao, cfop, cstcsosn,
                                aliquotaicms, mva)
VALUES
    (1, 3, 'GO', '5405', '201', 17, 40),
    (2, 3, 'DF', '6404', '201', 18, 45.5),
    (3, 5, 'GO', '5405', '201', 19, 140),
    (4, 5, 'MG', '6102', '102', 18, 0),
    (5, 7, 'GO', '5405', '201', 17, 30);

INSERT INTO tabelapreco (codtabelapreco, descricao, regiao) VALUES
    (1, 'Varejo', 'Goiás'),
    (2, 'Atacado', 'Goiás'),
    (3, 'Distribuidores DF', 'Distrito Federal');

INSERT INTO tabelaprecoproduto (codtabelapreco, codproduto, preco, precofaccao, precominimo)
SELECT 1, codproduto, preco, preco, round((preco * 0.95)::numeric, 2)
FROM produto WHERE NOT inativo ORDER BY codproduto;
INSERT INTO tabelaprecoproduto (codtabelapreco, codproduto, preco, precofaccao, precominimo)
SELECT 2, codproduto, precorevenda, precorevenda, round((precorevenda * 0.97)::numeric, 2)
FROM produto WHERE NOT inativo ORDER BY codproduto;
INSERT INTO tabelaprecoproduto (codtabelapreco, codproduto, preco, precofaccao, precominimo)
SELECT 3, codproduto, round((precorevenda * 1.04)::numeric, 2), precorevenda, precorevenda
FROM produto WHERE codproduto IN (1, 2, 3, 5) ORDER BY codproduto;

INSERT INTO tabelaprecovendedor (codtabelaprecovendedor, codvendedor, codtabelapreco) VALUES
    (1, 1, 1),
    (2, 1, 2),
    (3, 2, 1),
    (4, 2, 3),
    (5, 3, 1);

INSERT INTO formapagamento (codformapagamento, descricao, tipotratamento, intervalo, parcelas)
VALUES
    (1, 'Dinheiro', 'DINHEIRO', 0, 1),
    (2, 'Cartão de Débito', 'CARTAO', 0, 1),
    (3, 'Cartão de Crédito', 'CARTAO', 30, 1),
    (4, 'Boleto 30/60/90', 'BOLETO', 30, 3),
    (5, 'PIX', 'PIX', 0, 1),
    (6, 'A Prazo 28 Dias', 'PRAZO', 28, 1);

-- Past orders, for the order history on the mobile side. Order 3 came from the mobile side
-- (it has its cloud id, its payment row and its instalments); the second line of order 2 was
-- zeroed at the counter and is not part of the history.
INSERT INTO pedidovenda (codpedidovenda, datapedido, dataentrega, horapedido, codcliente,
                         codvendedor, codformapagamento, desconto, acrescimo,
                         valortotalprodutos, valortotalpedido, observacao, tipo, condicional,
                         faturamento, stpedido, tipobonificacaoapp, status, idnuvem)
VALUES
    (1, '2026-11-04', '2026-11-06', '09:42:10', 1, 1, 4, 0, 0, 413.00, 413.00,
     'Entregar pela manhã.', 'P', 'N', 'BOLETO', false, false, 'F', NULL),
    (2, '2026-11-18', NULL, '16:05:33', 4, 2, 5, 2.55, 0, 47.55, 45.00, '', 'P', 'N', 'AVISTA',
     false, false, 'F', NULL),
    (3, '2026-12-02', '2026-12-05', '11:20:47', 2, 1, 4, 0, 0, 137.16, 137.16,
     'Pedido do aplicativo.', 'P', 'N', 'BOLETO', true, false, 'A', 1187);

INSERT INTO produtopedidovenda (codprodutopedidovenda, codpedidovenda, codproduto, quantidade,
                                valorunitario, valortotal, descontoitem,
                                descontoitemporcentagem, observacaoitem, precoalterado)
VALUES
    (1, 1, 1, 10, 25.50, 255.00, 0, 0, '', false),
    (2, 1, 2, 20, 7.90, 158.00, 0, 0, '', false),
    (3, 2, 3, 2, 18.90, 37.80, 0, 0, '', false),
    (4, 2, 4, 0, 9.75, 0, 0, 0, 'Cliente desistiu', false),
    (5, 2, 4, 1, 9.75, 9.75, 0, 0, '', false),
    (6, 3, 5, 12, 6.85, 82.20, 0, 0, '', false),
    (7, 3, 7, 24, 2.29, 54.96, 0, 0, 'Fragrância neutra', true);

INSERT INTO pgtopedidovenda (codpgtopedidovenda, codpedidovenda, codformapagamento,
                             valorpagamento)
VALUES
    (1, 3, 4, 137.16);

INSERT INTO pgtopedidoimportacao (codpgtopedidoimportacao, codpedidoimportacao,
                                  codpedidowebimportacao, codformapagamento, dataemissao,
                                  datavencimento, valorparcela)
VALUES
    (1, 3, 1187, 4, '2026-12-02', '2027-01-01', 45.72),
    (2, 3, 1187, 4, '2026-12-02', '2027-01-31', 45.72),
    (3, 3, 1187, 4, '2026-12-02', '2027-03-02', 45.72);

-- Rows above carry their own keys: the next key each sequence hands out follows them.
SELECT setval('regimetributario_codregime_seq', (SELECT max(codregime) FROM regimetributario));
SELECT setval('cidade_codcidade_seq', (SELECT max(codcidade) FROM cidade));
SELECT setval('emitente_codemitente_seq', (SELECT max(codemitente) FROM emitente));
SELECT setval('configuracao_codconfiguracao_seq', (SELECT max(codconfiguracao) FROM configuracao));
SELECT setval('configuracao2_codconfiguracao2_seq',
              (SELECT max(codconfiguracao2) FROM configuracao2));
SELECT setval('configuracaonfce_codconfiguracao_seq',
              (SELECT max(codconfiguracao) FROM configuracaonfce));
SELECT setval('funcionario_codfuncionario_seq', (SELECT max(codfuncionario) FROM funcionario));
SELECT setval('vendedor_codvendedor_seq', (SELECT max(codvendedor) FROM vendedor));
SELECT setval('cliente_codcliente_seq', (SELECT max(codcliente) FROM cliente));
SELECT setval('setor_codsetor_seq', (SELECT max(codsetor) FROM setor));
SELECT setval('grupo_codgrupo_seq', (SELECT max(codgrupo) FROM grupo));
SELECT setval('marca_codmarca_seq', (SELECT max(codmarca) FROM marca));
SELECT setval('produto_codproduto_seq', (SELECT max(codproduto) FROM produto));
SELECT setval('codigobarra_codcodigobarra_seq', (SELECT max(codcodigobarra) FROM codigobarra));
SELECT setval('vinculoprodutocfop_codvinculoprodutocfop_seq',
              (SELECT max(codvinculoprodutocfop) FROM vinculoprodutocfop));
SELECT setval('tabelapreco_codtabelapreco_seq', (SELECT max(codtabelapreco) FROM tabelapreco));
SELECT setval('tabelaprecovendedor_codtabelaprecovendedor_seq',
              (SELECT max(codtabelaprecovendedor) FROM tabelaprecovendedor));
SELECT setval('formapagamento_codformapagamento_seq',
              (SELECT max(codformapagamento) FROM formapagamento));
SELECT setval('pedidovenda_codpedidovenda_seq', (SELECT max(codpedidovenda) FROM pedidovenda));
SELECT setval('produtopedidovenda_codprodutopedidovenda_seq',
              (SELECT max(codprodutopedidovenda) FROM produtopedidovenda));
SELECT setval('pgtopedidovenda_codpgtopedidovenda_seq',
              (SELECT max(codpgtopedidovenda) FROM pgtopedidovenda));
SELECT setval('pgtopedidoimportacao_codpgtopedidoimportacao_seq',
              (SELECT max(codpgtopedidoimportacao) FROM pgtopedidoimportacao));

COMMIT;
