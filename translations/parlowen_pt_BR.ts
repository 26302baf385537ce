<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>CsvReader</name>
    <message>
        <source>the line holds bytes that are not UTF-8</source>
        <translation>a linha contém bytes que não são UTF-8</translation>
    </message>
    <message>
        <source>a quote inside a field that does not start with one</source>
        <translation>aspas dentro de um campo que não começa com aspas</translation>
    </message>
    <message>
        <source>text after the closing quote of a field</source>
        <translation>texto após as aspas de fechamento de um campo</translation>
    </message>
    <message>
        <source>a quote opened on this line is never closed</source>
        <translation>aspas abertas nesta linha nunca são fechadas</translation>
    </message>
</context>
<context>
    <name>MessageDlg</name>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Information</source>
        <translation>Informação</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmação</translation>
    </message>
</context>
<context>
    <name>OpenFailure</name>
    <message>
        <source>QUILMOX is plugged in as %1, but this user may not open it.
Install the udev rule 70-quilmox-parlowen.rules (the parlowen package does), then unplug and plug in the controller, or log in again.</source>
        <translation>O QUILMOX está conectado como %1, mas este usuário não tem permissão para abri-lo.
Instale a regra udev 70-quilmox-parlowen.rules (o pacote parlowen a instala), depois desconecte e conecte novamente o controlador, ou faça login de novo.</translation>
    </message>
    <message>
        <source>QUILMOX is plugged in, but another program is using it.
Close that program, then try again.</source>
        <translation>O QUILMOX está conectado, mas outro programa o está usando.
Feche esse programa e tente novamente.</translation>
    </message>
</context>
<context>
    <name>SettingCatalogue</name>
    <message>
        <source>must be a text</source>
        <translation>deve ser um texto</translation>
    </message>
    <message>
        <source>must not hold a zero character</source>
        <translation>não pode conter um caractere zero</translation>
    </message>
    <message>
        <source>holds a character that Windows-1252 cannot represent</source>
        <translation>contém um caractere que o Windows-1252 não consegue representar</translation>
    </message>
    <message>
        <source>is longer than %1 bytes</source>
        <translation>tem mais de %1 bytes</translation>
    </message>
    <message>
        <source>must be true or false</source>
        <translation>deve ser true ou false</translation>
    </message>
    <message>
        <source>must be an integer from -2147483648 to 2147483647</source>
        <translation>deve ser um número inteiro de -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>must be %1 hexadecimal digits</source>
        <translation>deve ter %1 dígitos hexadecimais</translation>
    </message>
    <message>
        <source>is not a setting</source>
        <translation>não é uma configuração</translation>
    </message>
    <message>
        <source>&quot;%1&quot; %2</source>
        <translation>&quot;%1&quot; %2</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>Incompatible data file.</source>
        <translation>Arquivo de dados incompatível.</translation>
    </message>
    <message>
        <source>The file uses a later data format.<byte value="xd"/>
Cannot load</source>
        <translation>O arquivo usa um formato de dados mais recente.<byte value="xd"/>
Não é possível carregar</translation>
    </message>
    <message>
        <source>Error Opening File.</source>
        <translation>Erro ao abrir o arquivo.</translation>
    </message>
    <message>
        <source>Error Saving File.</source>
        <translation>Erro ao salvar o arquivo.</translation>
    </message>
</context>
<context>
    <name>TBatchRun</name>
    <message>
        <source>the controller was unplugged</source>
        <translation>o controlador foi desconectado</translation>
    </message>
    <message>
        <source>the controller stopped answering</source>
        <translation>o controlador parou de responder</translation>
    </message>
    <message>
        <source>A batch is running already.</source>
        <translation>Já há um lote em andamento.</translation>
    </message>
    <message>
        <source>The units table has errors; nothing is written while any remains.</source>
        <translation>A tabela de unidades tem erros; nada é gravado enquanto restar algum.</translation>
    </message>
    <message>
        <source>%1: the backups folder cannot be made</source>
        <translation>%1: não é possível criar a pasta de backups</translation>
    </message>
    <message>
        <source>abandoned by the operator</source>
        <translation>abandonada pelo operador</translation>
    </message>
    <message>
        <source>Stopping once this step has ended (stop again to abandon the unit).</source>
        <translation>Parando assim que esta etapa terminar (clique em Parar novamente para abandonar a unidade).</translation>
    </message>
    <message>
        <source>No controller came within the wait.</source>
        <translation>Nenhum controlador foi conectado dentro do tempo de espera.</translation>
    </message>
    <message>
        <source>%1 controllers are plugged in: unplug all but one</source>
        <translation>%1 controladores estão conectados: desconecte todos, menos um</translation>
    </message>
    <message>
        <source>The controller at %1 is in program mode: left untouched; unplug it</source>
        <translation>O controlador em %1 está no modo de programação: não foi alterado; desconecte-o</translation>
    </message>
    <message>
        <source>Identifying the controller at %1</source>
        <translation>Identificando o controlador em %1</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened: left untouched; unplug it</source>
        <translation>Não é possível abrir o controlador em %1: não foi alterado; desconecte-o</translation>
    </message>
    <message>
        <source>The controller at %1 cannot be opened (%2): left untouched; unplug it</source>
        <translation>Não é possível abrir o controlador em %1 (%2): não foi alterado; desconecte-o</translation>
    </message>
    <message>
        <source>The controller at %1 refused (%2): left untouched; unplug it</source>
        <translation>O controlador em %1 recusou (%2): não foi alterado; desconecte-o</translation>
    </message>
    <message>
        <source>the backup could not be saved: </source>
        <translation>não foi possível salvar o backup: </translation>
    </message>
    <message>
        <source>Controller %1 backed up in %2</source>
        <translation>Backup do controlador %1 salvo em %2</translation>
    </message>
    <message>
        <source>Writing %1</source>
        <translation>Gravando %1</translation>
    </message>
    <message>
        <source>Verifying %1</source>
        <translation>Verificando %1</translation>
    </message>
    <message>
        <source>Row %1 verified: unplug it</source>
        <translation>Linha %1 verificada: desconecte o controlador</translation>
    </message>
    <message>
        <source>Row %1 differs: %2: unplug it</source>
        <translation>Linha %1 diferente: %2: desconecte o controlador</translation>
    </message>
    <message>
        <source>Controller %1 is done already in this run: unplug it</source>
        <translation>O controlador %1 já está pronto nesta execução: desconecte-o</translation>
    </message>
    <message>
        <source>Controller %1 is in no row of the table: left untouched; unplug it</source>
        <translation>O controlador %1 não está em nenhuma linha da tabela: não foi alterado; desconecte-o</translation>
    </message>
    <message>
        <source>Controller %1 is done already (row %2): unplug it</source>
        <translation>O controlador %1 já está pronto (linha %2): desconecte-o</translation>
    </message>
    <message>
        <source>Backing up controller %1 for %2</source>
        <translation>Fazendo backup do controlador %1 para a %2</translation>
    </message>
    <message>
        <source>The controller at %1: %2; unplug it and plug it in again</source>
        <translation>O controlador em %1: %2; desconecte-o e conecte-o novamente</translation>
    </message>
    <message>
        <source>backup</source>
        <translation>o backup</translation>
    </message>
    <message>
        <source>write</source>
        <translation>a gravação</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>a releitura</translation>
    </message>
    <message>
        <source>Row %1 not completed: %2 during the %3 (report %4 of %5)</source>
        <translation>Linha %1 não concluída: %2 durante %3 (relatório %4 de %5)</translation>
    </message>
    <message>
        <source>Row %1 not completed: unplug the controller and plug it in again to write it again</source>
        <translation>Linha %1 não concluída: desconecte o controlador e conecte-o novamente para gravá-lo de novo</translation>
    </message>
    <message>
        <source>The record cannot be written: %1</source>
        <translation>Não é possível gravar o registro: %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1</source>
        <translation>Conecte o controlador da %1</translation>
    </message>
    <message>
        <source>Plug in the controller for %1 or for another of the %2 pending rows</source>
        <translation>Conecte o controlador da %1 ou de outra das %2 linhas pendentes</translation>
    </message>
</context>
<context>
    <name>TCompareDialog</name>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparar com QUILMOX</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>Configuração</translation>
    </message>
    <message>
        <source>Form</source>
        <translation>Formulário</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Diferenças</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Load Controller Settings</source>
        <translation>Carregar configurações do controlador</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>One setting differs between the form and QUILMOX:</source>
        <translation>Uma configuração difere entre o formulário e o QUILMOX:</translation>
    </message>
    <message>
        <source>%1 settings differ between the form and QUILMOX:</source>
        <translation>%1 configurações diferem entre o formulário e o QUILMOX:</translation>
    </message>
</context>
<context>
    <name>TDeviceProtocol</name>
    <message>
        <source>Application is not a %1</source>
        <translation>O aplicativo não é um %1</translation>
    </message>
    <message>
        <source>Dedudev Version:%1</source>
        <translation>Versão Dedudev:%1</translation>
    </message>
    <message>
        <source>Serial Number: %1</source>
        <translation>Número de série: %1</translation>
    </message>
    <message>
        <source>Data downloaded</source>
        <translation>Dados transferidos</translation>
    </message>
    <message>
        <source>Download Complete</source>
        <translation>Transferência concluída</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Leitura concluída</translation>
    </message>
</context>
<context>
    <name>TDeviceSession</name>
    <message>
        <source>QUILMOX was disconnected.</source>
        <translation>O QUILMOX foi desconectado.</translation>
    </message>
    <message>
        <source>QUILMOX stopped answering.</source>
        <translation>O QUILMOX parou de responder.</translation>
    </message>
    <message>
        <source>QUILMOX is in Program Mode</source>
        <translation>O QUILMOX está no modo de programação</translation>
    </message>
    <message>
        <source>Cannot find QUILMOX</source>
        <translation>QUILMOX não encontrado</translation>
    </message>
    <message>
        <source>Write not completed.</source>
        <translation>Gravação não concluída.</translation>
    </message>
    <message>
        <source>Read not completed.</source>
        <translation>Leitura não concluída.</translation>
    </message>
    <message>
        <source>Compare not completed.</source>
        <translation>Comparação não concluída.</translation>
    </message>
    <message>
        <source>Signal strength not completed.</source>
        <translation>Leitura da intensidade do sinal não concluída.</translation>
    </message>
</context>
<context>
    <name>THelpViewer</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Help status</source>
        <translation>Status da ajuda</translation>
    </message>
    <message>
        <source>Help contents</source>
        <translation>Conteúdo da ajuda</translation>
    </message>
    <message>
        <source>Help navigation</source>
        <translation>Navegação da ajuda</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Índice</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Pesquisar</translation>
    </message>
    <message>
        <source>Help topic</source>
        <translation>Tópico da ajuda</translation>
    </message>
    <message>
        <source>Not opened in the help window: %1</source>
        <translation>Não aberto na janela de ajuda: %1</translation>
    </message>
    <message>
        <source>This help file has no page %1</source>
        <translation>Este arquivo de ajuda não tem a página %1</translation>
    </message>
    <message>
        <source>Index keyword</source>
        <translation>Palavra-chave do índice</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Digite uma palavra-chave</translation>
    </message>
    <message>
        <source>Index entries</source>
        <translation>Entradas do índice</translation>
    </message>
    <message>
        <source>Search words</source>
        <translation>Palavras da pesquisa</translation>
    </message>
    <message>
        <source>Words to search for</source>
        <translation>Palavras a pesquisar</translation>
    </message>
    <message>
        <source>List Topics</source>
        <translation>Listar tópicos</translation>
    </message>
    <message>
        <source>Search results</source>
        <translation>Resultados da pesquisa</translation>
    </message>
    <message>
        <source>Topics found: %1</source>
        <translation>Tópicos encontrados: %1</translation>
    </message>
    <message>
        <source>Help cannot be shown</source>
        <translation>Não é possível mostrar a ajuda</translation>
    </message>
    <message>
        <source>The help file %1 is damaged: its pages cannot be read. Installing the tool again restores it.</source>
        <translation>O arquivo de ajuda %1 está danificado: suas páginas não podem ser lidas. Instalar a ferramenta novamente o restaura.</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen Help</source>
        <translation>Ajuda do QUILMOX Parlowen</translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Message Control</source>
        <translation>Controle de mensagens</translation>
    </message>
    <message>
        <source>I/O Control</source>
        <translation>Controle de E/S</translation>
    </message>
    <message>
        <source>Outputs 1 - 8</source>
        <translation>Saídas 1 - 8</translation>
    </message>
    <message>
        <source>Outputs 9 - 16</source>
        <translation>Saídas 9 - 16</translation>
    </message>
    <message>
        <source>Message:</source>
        <translation>Mensagem:</translation>
    </message>
    <message>
        <source>Phone Number:</source>
        <translation>Telefone:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nome do aparelho:</translation>
    </message>
    <message>
        <source>Password:</source>
        <translation>Senha:</translation>
    </message>
    <message>
        <source>Request Status</source>
        <translation>Pedir status</translation>
    </message>
    <message>
        <source>Inhibit Input</source>
        <translation>Entr. inibição</translation>
    </message>
    <message>
        <source>Output %1</source>
        <translation>Saída %1</translation>
    </message>
    <message>
        <source>Invert Inputs</source>
        <translation>Inverter entradas</translation>
    </message>
    <message>
        <source>Invert All</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>Invert None</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Invert input %1</source>
        <translation>Inverter a entrada %1</translation>
    </message>
    <message>
        <source>Invert all inputs</source>
        <translation>Inverter todas as entradas</translation>
    </message>
    <message>
        <source>Invert no inputs</source>
        <translation>Não inverter nenhuma entrada</translation>
    </message>
    <message>
        <source>Invert Outputs</source>
        <translation>Inverter saídas</translation>
    </message>
    <message>
        <source>Invert output %1</source>
        <translation>Inverter a saída %1</translation>
    </message>
    <message>
        <source>Invert all outputs</source>
        <translation>Inverter todas as saídas</translation>
    </message>
    <message>
        <source>Invert no outputs</source>
        <translation>Não inverter nenhuma saída</translation>
    </message>
    <message>
        <source>Output Start Status</source>
        <translation>Estado inicial das saídas</translation>
    </message>
    <message>
        <source>All Active</source>
        <translation>Todas</translation>
    </message>
    <message>
        <source>None Active</source>
        <translation>Nenhuma</translation>
    </message>
    <message>
        <source>Output start status %1</source>
        <translation>Estado inicial da saída %1</translation>
    </message>
    <message>
        <source>All outputs active at start</source>
        <translation>Todas as saídas ativas no início</translation>
    </message>
    <message>
        <source>No outputs active at start</source>
        <translation>Nenhuma saída ativa no início</translation>
    </message>
    <message>
        <source>Send Message on Active Input</source>
        <translation>Enviar mensagem com entrada ativa</translation>
    </message>
    <message>
        <source>Send message on active input %1</source>
        <translation>Enviar mensagem com a entrada %1 ativa</translation>
    </message>
    <message>
        <source>Send message on all active inputs</source>
        <translation>Enviar mensagem com qualquer entrada ativa</translation>
    </message>
    <message>
        <source>Send message on no active input</source>
        <translation>Não enviar mensagem com nenhuma entrada ativa</translation>
    </message>
    <message>
        <source>Send Message on Inactive Input</source>
        <translation>Enviar mensagem com entrada inativa</translation>
    </message>
    <message>
        <source>Send message on inactive input %1</source>
        <translation>Enviar mensagem com a entrada %1 inativa</translation>
    </message>
    <message>
        <source>Send message on all inactive inputs</source>
        <translation>Enviar mensagem com qualquer entrada inativa</translation>
    </message>
    <message>
        <source>Send message on no inactive input</source>
        <translation>Não enviar mensagem com nenhuma entrada inativa</translation>
    </message>
    <message>
        <source>On</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>Output %1 on command word</source>
        <translation>Saída %1: palavra de comando Liga</translation>
    </message>
    <message>
        <source>Output %1 on command enabled</source>
        <translation>Saída %1: comando Liga habilitado</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Desliga</translation>
    </message>
    <message>
        <source>Output %1 off command word</source>
        <translation>Saída %1: palavra de comando Desliga</translation>
    </message>
    <message>
        <source>Output %1 off command enabled</source>
        <translation>Saída %1: comando Desliga habilitado</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>Alterna</translation>
    </message>
    <message>
        <source>Output %1 toggle command word</source>
        <translation>Saída %1: palavra de comando Alterna</translation>
    </message>
    <message>
        <source>Output %1 toggle command enabled</source>
        <translation>Saída %1: comando Alterna habilitado</translation>
    </message>
    <message>
        <source>Pulse</source>
        <translation>Pulsa</translation>
    </message>
    <message>
        <source>Output %1 pulse command word</source>
        <translation>Saída %1: palavra de comando Pulsa</translation>
    </message>
    <message>
        <source>Output %1 pulse command enabled</source>
        <translation>Saída %1: comando Pulsa habilitado</translation>
    </message>
    <message>
        <source>Device name</source>
        <translation>Nome do aparelho</translation>
    </message>
    <message>
        <source>Phone number</source>
        <translation>Número de telefone</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Senha</translation>
    </message>
    <message>
        <source>Request status keyword</source>
        <translation>Palavra-chave para pedir status</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Arquivos de dados (*.dat);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>%1 Vesion: %2</source>
        <translation>%1 Versão: %2</translation>
    </message>
    <message>
        <source>Data has changed
Save now?</source>
        <translation>Os dados foram alterados.
Salvar agora?</translation>
    </message>
    <message>
        <source>Compare complete: no differences</source>
        <translation>Comparação concluída: nenhuma diferença</translation>
    </message>
    <message>
        <source>QUILMOX holds the settings shown.</source>
        <translation>O QUILMOX contém as configurações mostradas.</translation>
    </message>
    <message>
        <source>Compare complete: %1 differences</source>
        <translation>Comparação concluída: %1 diferenças</translation>
    </message>
    <message>
        <source>Read Complete</source>
        <translation>Leitura concluída</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Load the file when the write has ended.</source>
        <translation>O QUILMOX está sendo gravado.
Carregue o arquivo quando a gravação terminar.</translation>
    </message>
    <message>
        <source>QUILMOX is being read.
Load the file when the read has ended.</source>
        <translation>O QUILMOX está sendo lido.
Carregue o arquivo quando a leitura terminar.</translation>
    </message>
    <message>
        <source>QUILMOX is being written.
Closing now leaves it with part of the new settings.
Close anyway?</source>
        <translation>O QUILMOX está sendo gravado.
Fechar agora o deixará com apenas parte das novas configurações.
Fechar mesmo assim?</translation>
    </message>
    <message>
        <source>File Error:</source>
        <translation>Erro de arquivo:</translation>
    </message>
    <message>
        <source>File Saved:</source>
        <translation>Arquivo salvo:</translation>
    </message>
    <message>
        <source>File Loaded:</source>
        <translation>Arquivo carregado:</translation>
    </message>
    <message>
        <source>The number of the controller&apos;s inhibit input, 0 to 16.</source>
        <translation>O número da entrada de inibição do controlador, de 0 a 16.</translation>
    </message>
    <message>
        <source>How long the Pulse command keeps the output switched, 10 to 65000.</source>
        <translation>Por quanto tempo o comando Pulsa mantém a saída acionada, de 10 a 65000.</translation>
    </message>
    <message>
        <source>The request-status keyword, at most 15 characters; the Request Status box enables it.</source>
        <translation>A palavra-chave para pedir status, com no máximo 15 caracteres; a caixa Pedir status a habilita.</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Save File</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Load File</source>
        <translation>Carregar arquivo</translation>
    </message>
    <message>
        <source>Read From QUILMOX</source>
        <translation>Ler do QUILMOX</translation>
    </message>
    <message>
        <source>Write To QUILMOX</source>
        <translation>Gravar no QUILMOX</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Get Signal Strength</source>
        <translation>Intensidade do sinal</translation>
    </message>
    <message>
        <source>Compare With QUILMOX</source>
        <translation>Comparar c/ QUILMOX</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Páginas</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>Mensagem</translation>
    </message>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Limpar</translation>
    </message>
    <message>
        <source>Clear log</source>
        <translation>Limpar o log</translation>
    </message>
    <message>
        <source>Inhibit input</source>
        <translation>Entrada de inibição</translation>
    </message>
    <message>
        <source>Request status enabled</source>
        <translation>Pedir status habilitado</translation>
    </message>
    <message>
        <source>Pulse period</source>
        <translation>Per. do pulso</translation>
    </message>
    <message>
        <source>Enabled</source>
        <translation>Habilit.</translation>
    </message>
    <message>
        <source>Output %1 pulse period</source>
        <translation>Saída %1: período do pulso</translation>
    </message>
    <message>
        <source>Site Work…</source>
        <translation>Trabalho de campo…</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Trabalho de campo</translation>
    </message>
    <message>
        <source>A batch of controllers from one template and a table of units, each verified and recorded.</source>
        <translation>Um lote de controladores a partir de um modelo e de uma tabela de unidades, cada um verificado e registrado.</translation>
    </message>
    <message>
        <source>%1: %2 %3</source>
        <translation>%1: %2, %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 command</source>
        <translation>%1: %2, comando %3</translation>
    </message>
    <message>
        <source>%1: %2 %3 enabled</source>
        <translation>%1: %2, comando %3 habilitado</translation>
    </message>
    <message>
        <source>%1 enabled</source>
        <translation>%1 habilitado</translation>
    </message>
    <message>
        <source>Reserved bytes</source>
        <translation>Bytes reservados</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>QUILMOX Parlowen speaks %1 from its next start.</source>
        <translation>O QUILMOX Parlowen usará %1 a partir da próxima inicialização.</translation>
    </message>
    <message>
        <source>System language (%1)</source>
        <translation>Idioma do sistema (%1)</translation>
    </message>
</context>
<context>
    <name>TSignalHistoryStrip</name>
    <message>
        <source>Signal strength history</source>
        <translation>Histórico da intensidade do sinal</translation>
    </message>
    <message>
        <source>No values yet</source>
        <translation>Nenhum valor ainda</translation>
    </message>
    <message>
        <source>The last two minutes; latest value %1</source>
        <translation>Os últimos dois minutos; valor mais recente %1</translation>
    </message>
    <message>
        <source>2 minutes</source>
        <translation>2 minutos</translation>
    </message>
</context>
<context>
    <name>TSignalStrengthForm</name>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Keep refreshing</source>
        <translation>Atualizar continuamente</translation>
    </message>
    <message>
        <source>Signal strength</source>
        <translation>Intensidade do sinal</translation>
    </message>
    <message>
        <source>Refresh signal strength</source>
        <translation>Atualizar a intensidade do sinal</translation>
    </message>
    <message>
        <source>Close signal strength window</source>
        <translation>Fechar a janela de intensidade do sinal</translation>
    </message>
    <message>
        <source>Asks the controller again every two seconds while this window is shown.</source>
        <translation>Consulta o controlador novamente a cada dois segundos enquanto esta janela estiver aberta.</translation>
    </message>
</context>
<context>
    <name>TSiteWorkForm</name>
    <message>
        <source>writing</source>
        <translation>gravando</translation>
    </message>
    <message>
        <source>verified</source>
        <translation>verificada</translation>
    </message>
    <message>
        <source>differs</source>
        <translation>diferente</translation>
    </message>
    <message>
        <source>not completed</source>
        <translation>não concluída</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>ignorada</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>pendente</translation>
    </message>
    <message>
        <source>Data Files (*.dat);;All Files (*)</source>
        <translation>Arquivos de dados (*.dat);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>CSV Files (*.csv);;All Files (*)</source>
        <translation>Arquivos CSV (*.csv);;Todos os arquivos (*)</translation>
    </message>
    <message>
        <source>Site Work</source>
        <translation>Trabalho de campo</translation>
    </message>
    <message>
        <source>The form as shown</source>
        <translation>O formulário como está</translation>
    </message>
    <message>
        <source>Template: the form as shown</source>
        <translation>Modelo: o formulário como está</translation>
    </message>
    <message>
        <source>Every setting a row leaves out is the one the main window shows.</source>
        <translation>Cada configuração que uma linha omite é a que a janela principal mostra.</translation>
    </message>
    <message>
        <source>Settings file:</source>
        <translation>Arquivo de configurações:</translation>
    </message>
    <message>
        <source>Template: a settings file</source>
        <translation>Modelo: um arquivo de configurações</translation>
    </message>
    <message>
        <source>Template settings file</source>
        <translation>Arquivo de configurações do modelo</translation>
    </message>
    <message>
        <source>Choose…</source>
        <translation>Escolher…</translation>
    </message>
    <message>
        <source>Choose the template settings file</source>
        <translation>Escolher o arquivo de configurações do modelo</translation>
    </message>
    <message>
        <source>Units table</source>
        <translation>Tabela de unidades</translation>
    </message>
    <message>
        <source>A CSV file: a header naming settings, then one row per controller.</source>
        <translation>Um arquivo CSV: um cabeçalho que nomeia configurações e, depois, uma linha por controlador.</translation>
    </message>
    <message>
        <source>Choose the units table</source>
        <translation>Escolher a tabela de unidades</translation>
    </message>
    <message>
        <source>Record file</source>
        <translation>Arquivo de registro</translation>
    </message>
    <message>
        <source>One line is added per unit: time, serial number and result.</source>
        <translation>Uma linha é adicionada por unidade: hora, número de série e resultado.</translation>
    </message>
    <message>
        <source>Choose the record file</source>
        <translation>Escolher o arquivo de registro</translation>
    </message>
    <message>
        <source>Backups folder</source>
        <translation>Pasta de backups</translation>
    </message>
    <message>
        <source>What each controller held before it was written, as a settings file.</source>
        <translation>O que cada controlador continha antes de ser gravado, como arquivo de configurações.</translation>
    </message>
    <message>
        <source>Choose the backups folder</source>
        <translation>Escolher a pasta de backups</translation>
    </message>
    <message>
        <source>Template:</source>
        <translation>Modelo:</translation>
    </message>
    <message>
        <source>&amp;Units table:</source>
        <translation>Tabela de &amp;unidades:</translation>
    </message>
    <message>
        <source>&amp;Record:</source>
        <translation>&amp;Registro:</translation>
    </message>
    <message>
        <source>&amp;Backups:</source>
        <translation>&amp;Backups:</translation>
    </message>
    <message>
        <source>Problems of the units table</source>
        <translation>Problemas da tabela de unidades</translation>
    </message>
    <message>
        <source>Rows of the units table</source>
        <translation>Linhas da tabela de unidades</translation>
    </message>
    <message>
        <source>Each row&apos;s settings that differ from the template, and how far it has come.</source>
        <translation>As configurações de cada linha que diferem do modelo e até onde ela avançou.</translation>
    </message>
    <message>
        <source>Row</source>
        <translation>Linha</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Differences from the template</source>
        <translation>Diferenças em relação ao modelo</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Next step</source>
        <translation>Próxima etapa</translation>
    </message>
    <message>
        <source>Progress of the unit under way</source>
        <translation>Progresso da unidade em andamento</translation>
    </message>
    <message>
        <source>%v of %m</source>
        <translation>%v de %m</translation>
    </message>
    <message>
        <source>Site work log</source>
        <translation>Log do trabalho de campo</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Between units the batch ends at once; during one, after its step.</source>
        <translation>Entre unidades, o lote termina imediatamente; durante uma, após a etapa em curso.</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Open the folder of the record</source>
        <translation>Abrir a pasta do registro</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fechar</translation>
    </message>
    <message>
        <source>Choose the units table.</source>
        <translation>Escolha a tabela de unidades.</translation>
    </message>
    <message>
        <source>Correct the units table: nothing is written while it has errors.</source>
        <translation>Corrija a tabela de unidades: nada é gravado enquanto ela tiver erros.</translation>
    </message>
    <message>
        <source>Press Start, then plug in the first controller.</source>
        <translation>Clique em Iniciar e depois conecte o primeiro controlador.</translation>
    </message>
    <message>
        <source>The template or the table has changed: check the rows, then press Start again.</source>
        <translation>O modelo ou a tabela mudou: confira as linhas e clique em Iniciar novamente.</translation>
    </message>
    <message>
        <source>Every row is verified.</source>
        <translation>Todas as linhas estão verificadas.</translation>
    </message>
    <message>
        <source>Every row is done; a unit differs from its row: see the record.</source>
        <translation>Todas as linhas estão prontas; uma unidade difere da sua linha: veja o registro.</translation>
    </message>
    <message>
        <source>Stopped: the record or a backup could not be written.</source>
        <translation>Parado: não foi possível gravar o registro ou um backup.</translation>
    </message>
    <message>
        <source>Stopped. Rows pending: %1. Press Start to go on.</source>
        <translation>Parado. Linhas pendentes: %1. Clique em Iniciar para continuar.</translation>
    </message>
    <message>
        <source>A batch is running.
Stop it before closing.</source>
        <translation>Um lote está em andamento.
Pare-o antes de fechar.</translation>
    </message>
</context>
<context>
    <name>UnitsTable</name>
    <message>
        <source>&quot;%1&quot; must be on or off, true or false, yes or no, 1 or 0</source>
        <translation>&quot;%1&quot; deve ser on ou off, true ou false, yes ou no, 1 ou 0</translation>
    </message>
    <message>
        <source>the table is empty: its first line names the settings of its columns</source>
        <translation>a tabela está vazia: sua primeira linha nomeia as configurações das suas colunas</translation>
    </message>
    <message>
        <source>column %1 has no name</source>
        <translation>a coluna %1 não tem nome</translation>
    </message>
    <message>
        <source>&quot;%1&quot; names columns %2 and %3</source>
        <translation>&quot;%1&quot; nomeia as colunas %2 e %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a setting</source>
        <translation>&quot;%1&quot; não é uma configuração</translation>
    </message>
    <message>
        <source>the header names no setting, only the serial number</source>
        <translation>o cabeçalho não nomeia nenhuma configuração, apenas o número de série</translation>
    </message>
    <message>
        <source>the row has %1 cells, the header %2</source>
        <translation>a linha tem %1 células; o cabeçalho, %2</translation>
    </message>
    <message>
        <source>&quot;serial&quot; is empty: each row names its controller</source>
        <translation>&quot;serial&quot; está vazio: cada linha nomeia o seu controlador</translation>
    </message>
    <message>
        <source>&quot;serial&quot; must be a serial number as info reports it, from -2147483648 to 2147483647</source>
        <translation>&quot;serial&quot; deve ser um número de série como info o informa, de -2147483648 a 2147483647</translation>
    </message>
    <message>
        <source>&quot;serial&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;serial&quot; %1 está nas linhas %2 e %3</translation>
    </message>
    <message>
        <source>&quot;device_name&quot; %1 is on lines %2 and %3</source>
        <translation>&quot;device_name&quot; %1 está nas linhas %2 e %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>não é um arquivo comum</translation>
    </message>
    <message>
        <source>column %1:</source>
        <translation>coluna %1:</translation>
    </message>
    <message>
        <source>warning: %1</source>
        <translation>aviso: %1</translation>
    </message>
    <message>
        <source>%1: %2 in the row, %3 in the template</source>
        <translation>%1: %2 na linha, %3 no modelo</translation>
    </message>
    <message>
        <source>row %1 (device_name %2)</source>
        <translation>linha %1 (device_name %2)</translation>
    </message>
    <message>
        <source>row %1 (serial %2)</source>
        <translation>linha %1 (serial %2)</translation>
    </message>
    <message>
        <source>row %1</source>
        <translation>linha %1</translation>
    </message>
</context>
</TS>
