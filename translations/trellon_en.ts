<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>AcceptanceMenu</name>
    <message>
        <source>构件类型</source>
        <translation>Member type</translation>
    </message>
    <message>
        <source>设为复检</source>
        <translation>Mark as second sample</translation>
    </message>
    <message>
        <source>取消复检</source>
        <translation>Clear second sample</translation>
    </message>
    <message>
        <source>复检</source>
        <translation>Second sample</translation>
    </message>
    <message>
        <source>已勾选的构件</source>
        <translation>Ticked members</translation>
    </message>
    <message>
        <source>全部构件</source>
        <translation>All members</translation>
    </message>
</context>
<context>
    <name>BitmapExport</name>
    <message>
        <source>位图文件(*.bmp)</source>
        <translation>Bitmap files (*.bmp)</translation>
    </message>
    <message>
        <source>指定的文件名已经存在,是否覆盖原来的文件?</source>
        <translation>The file already exists. Replace it?</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：
%2</source>
        <translation>Cannot save the file &quot;%1&quot;:
%2</translation>
    </message>
</context>
<context>
    <name>CommandLayout</name>
    <message>
        <source>语言</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>编辑(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>帮助(&amp;H)</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>文件(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>数据传输(&amp;D)</source>
        <translation>Data &amp;Transfer</translation>
    </message>
    <message>
        <source>查看(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>新建(&amp;N)</source>
        <translation>&amp;New</translation>
    </message>
    <message>
        <source>建立新文档</source>
        <translation>Create a new document</translation>
    </message>
    <message>
        <source>数据传输</source>
        <translation>Data transfer</translation>
    </message>
    <message>
        <source>打开(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>打开一个现有文档</source>
        <translation>Open an existing document</translation>
    </message>
    <message>
        <source>打开</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>保存(&amp;S)</source>
        <translation>&amp;Save</translation>
    </message>
    <message>
        <source>保存活动文档</source>
        <translation>Save the active document</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>保存TXT文件(&amp;T)</source>
        <translation>Save &amp;TXT File</translation>
    </message>
    <message>
        <source>保存成txt文件</source>
        <translation>Save as a text file</translation>
    </message>
    <message>
        <source>保存txt文件</source>
        <translation>Save text file</translation>
    </message>
    <message>
        <source>导出CSV文件</source>
        <translation>Export CSV File</translation>
    </message>
    <message>
        <source>将全部数据导出成csv文件</source>
        <translation>Export all data as a CSV file</translation>
    </message>
    <message>
        <source>导出csv文件</source>
        <translation>Export CSV file</translation>
    </message>
    <message>
        <source>导出PDF文件</source>
        <translation>Export PDF File</translation>
    </message>
    <message>
        <source>将选中构件的打印页面导出成pdf文件</source>
        <translation>Export the printed pages of the ticked members as a PDF file</translation>
    </message>
    <message>
        <source>导出pdf文件</source>
        <translation>Export PDF file</translation>
    </message>
    <message>
        <source>保存BMP文件(&amp;C)</source>
        <translation>Save &amp;BMP File</translation>
    </message>
    <message>
        <source>将视图保存成bmp文件</source>
        <translation>Save the diagram as a bitmap file</translation>
    </message>
    <message>
        <source>保存bmp文件</source>
        <translation>Save bitmap file</translation>
    </message>
    <message>
        <source>另存为(&amp;A)...</source>
        <translation>Save &amp;As...</translation>
    </message>
    <message>
        <source>将活动文档以一个新文件名保存</source>
        <translation>Save the active document under a new name</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save As</translation>
    </message>
    <message>
        <source>生成Word报告(&amp;R)...</source>
        <translation>Word &amp;Report...</translation>
    </message>
    <message>
        <source>以选中的数据生成Word报告</source>
        <translation>Write a Word report of the ticked members</translation>
    </message>
    <message>
        <source>生成报告</source>
        <translation>Word report</translation>
    </message>
    <message>
        <source>生成Excel报表(&amp;X)...</source>
        <translation>&amp;Excel Table...</translation>
    </message>
    <message>
        <source>以选中的数据生成Excel报表</source>
        <translation>Write an Excel table of the ticked members</translation>
    </message>
    <message>
        <source>生成报表</source>
        <translation>Excel table</translation>
    </message>
    <message>
        <source>打印(&amp;P)...</source>
        <translation>&amp;Print...</translation>
    </message>
    <message>
        <source>打印活动文档</source>
        <translation>Print the ticked members</translation>
    </message>
    <message>
        <source>打印</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>打印预览(&amp;V)</source>
        <translation>Print Pre&amp;view</translation>
    </message>
    <message>
        <source>显示整页</source>
        <translation>Show the whole pages</translation>
    </message>
    <message>
        <source>打印预览</source>
        <translation>Print preview</translation>
    </message>
    <message>
        <source>打印设置(&amp;R)...</source>
        <translation>Print Setti&amp;ngs...</translation>
    </message>
    <message>
        <source>改变打印机及打印选项</source>
        <translation>Change the page header, footer and page numbers</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print settings</translation>
    </message>
    <message>
        <source>退出(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>退出应用程序；提示保存文档</source>
        <translation>Quit the application; asks to save the document</translation>
    </message>
    <message>
        <source>退出</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>传输钢筋仪数据到计算机</source>
        <translation>Transfer the cover meter&apos;s data to the computer</translation>
    </message>
    <message>
        <source>工具栏(&amp;T)</source>
        <translation>&amp;Toolbar</translation>
    </message>
    <message>
        <source>显示或隐藏工具栏</source>
        <translation>Show or hide the toolbar</translation>
    </message>
    <message>
        <source>显隐工具栏</source>
        <translation>Toggle toolbar</translation>
    </message>
    <message>
        <source>状态栏(&amp;S)</source>
        <translation>&amp;Status Bar</translation>
    </message>
    <message>
        <source>显示或隐藏状态栏</source>
        <translation>Show or hide the status bar</translation>
    </message>
    <message>
        <source>显隐状态栏</source>
        <translation>Toggle status bar</translation>
    </message>
    <message>
        <source>控制面板</source>
        <translation>Control Panel</translation>
    </message>
    <message>
        <source>工程信息</source>
        <translation>Project Information</translation>
    </message>
    <message>
        <source>帮助主题</source>
        <translation>Help Topics</translation>
    </message>
    <message>
        <source>关于 (&amp;A)...</source>
        <translation>&amp;About...</translation>
    </message>
    <message>
        <source>显示程序信息，版本号和版权</source>
        <translation>Show the program&apos;s information, version and copyright</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>在上面插入</source>
        <translation>Insert Above</translation>
    </message>
    <message>
        <source>在该行的上面插入一行</source>
        <translation>Insert a row above the selected row</translation>
    </message>
    <message>
        <source>插入数据</source>
        <translation>Insert data</translation>
    </message>
    <message>
        <source>在下面插入</source>
        <translation>Insert Below</translation>
    </message>
    <message>
        <source>在该行的下面插入一行</source>
        <translation>Insert a row below the selected row</translation>
    </message>
    <message>
        <source>删除钢筋</source>
        <translation>Delete Bar</translation>
    </message>
    <message>
        <source>删除某一根钢筋</source>
        <translation>Delete the selected bar</translation>
    </message>
    <message>
        <source>删除数据</source>
        <translation>Delete data</translation>
    </message>
    <message>
        <source>数据传输(&amp;D)...</source>
        <translation>&amp;Data Transfer...</translation>
    </message>
    <message>
        <source>打开该文档</source>
        <translation>Open this document</translation>
    </message>
    <message>
        <source>撤销 %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销上一个操作</source>
        <translation>Undo the last step</translation>
    </message>
    <message>
        <source>重做 %1</source>
        <translation>Redo %1</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做撤销的操作</source>
        <translation>Redo the step undone</translation>
    </message>
    <message>
        <source>按规范设置允许偏差</source>
        <translation>Set Permitted Deviations by the Standard</translation>
    </message>
    <message>
        <source>已勾选的梁允许偏差设为 +%1/%2 mm，板设为 +%3/%4 mm</source>
        <translation>Set the permitted deviation of ticked beams to +%1/%2 mm and of ticked slabs to +%3/%4 mm</translation>
    </message>
    <message>
        <source>Ctrl+N</source>
        <translation>Ctrl+N</translation>
    </message>
    <message>
        <source>Ctrl+O</source>
        <translation>Ctrl+O</translation>
    </message>
    <message>
        <source>Ctrl+S</source>
        <translation>Ctrl+S</translation>
    </message>
    <message>
        <source>Ctrl+P</source>
        <translation>Ctrl+P</translation>
    </message>
    <message>
        <source>最近文件</source>
        <translation>Recent Files</translation>
    </message>
    <message>
        <source>Ctrl+Q</source>
        <translation>Ctrl+Q</translation>
    </message>
    <message>
        <source>Ctrl+Y</source>
        <translation>Ctrl+Y</translation>
    </message>
    <message>
        <source>Ctrl+Shift+Z</source>
        <translation>Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>操作历史</source>
        <translation>History</translation>
    </message>
    <message>
        <source>显示或隐藏可以撤销的操作</source>
        <translation>Show or hide the steps that can be undone</translation>
    </message>
    <message>
        <source>按合格着色</source>
        <translation>Colour by Pass</translation>
    </message>
    <message>
        <source>示意图中合格的钢筋显示为绿色，不合格的显示为红色</source>
        <translation>Show bars within tolerance in green and the others in red in the diagrams</translation>
    </message>
    <message>
        <source>检验评定</source>
        <translation>Acceptance Evaluation</translation>
    </message>
    <message>
        <source>按 GB 50204-2015 附录E 评定已勾选构件的保护层厚度</source>
        <translation>Evaluate the cover of the ticked members by GB 50204-2015 Appendix E</translation>
    </message>
    <message>
        <source>钻孔验证与修正</source>
        <translation>Drilling Verification and Correction</translation>
    </message>
    <message>
        <source>记录钻孔、剔凿验证点，按钢筋直径计算修正值，检查验证数量和检测误差</source>
        <translation>Record drilled and chiselled verification points, compute the corrections per bar diameter, and check the number of points and the detection error</translation>
    </message>
</context>
<context>
    <name>ConclusionBasisTexts</name>
    <message>
        <source>GB 50204-2015 附录E</source>
        <translation>GB 50204-2015 appendix E</translation>
    </message>
    <message>
        <source>合格点率≥90%</source>
        <translation>Acceptable points ≥ 90 %</translation>
    </message>
</context>
<context>
    <name>CrashRecovery</name>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>%1 的未保存修改（最后保存于 %2）可以恢复。是否恢复？</source>
        <translation>The unsaved changes of %1 (last kept at %2) can be restored. Restore them?</translation>
    </message>
    <message>
        <source>恢复</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>以后再说</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>丢弃</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>恢复文件已损坏，无法恢复。</source>
        <translation>The recovery file is damaged and cannot be restored.</translation>
    </message>
</context>
<context>
    <name>CsvExport</name>
    <message>
        <source>CSV文件(*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
</context>
<context>
    <name>Diagram</name>
    <message>
        <source>X方向钢筋位置(mm)</source>
        <translation>X bar position (mm)</translation>
    </message>
    <message>
        <source>钢筋网格测量示意图</source>
        <translation>Grid Test Diagram</translation>
    </message>
    <message>
        <source>Y方向钢筋位置(mm)</source>
        <translation>Y bar position (mm)</translation>
    </message>
    <message>
        <source>合格</source>
        <translation>Pass</translation>
    </message>
    <message>
        <source>不合格</source>
        <translation>Fail</translation>
    </message>
    <message>
        <source>保护层厚度(mm)</source>
        <translation>Cover (mm)</translation>
    </message>
    <message>
        <source>钢筋剖面测量示意图</source>
        <translation>Section Test Diagram</translation>
    </message>
</context>
<context>
    <name>EditCommands</name>
    <message>
        <source>没有已勾选的梁或板构件。</source>
        <translation>No beam or slab members are ticked.</translation>
    </message>
</context>
<context>
    <name>ExcelReport</name>
    <message>
        <source>创建Excel服务失败!</source>
        <translation>Cannot write Excel workbooks!</translation>
    </message>
    <message>
        <source>Excel工作簿(*.xlsx)</source>
        <translation>Excel workbooks (*.xlsx)</translation>
    </message>
    <message>
        <source>Excel报表已保存为“%1”。
没有找到能打开它的应用程序。要打开它所在的文件夹吗?</source>
        <translation>The Excel table was saved as &quot;%1&quot;.
No application was found to open it. Open the folder it is in?</translation>
    </message>
</context>
<context>
    <name>ExportRunner</name>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>GuardedApplication</name>
    <message>
        <source>内存不足，操作未能完成。</source>
        <translation>Out of memory: the operation could not be completed.</translation>
    </message>
    <message>
        <source>操作未能完成：%1</source>
        <translation>The operation could not be completed: %1</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>找不到帮助文件。</source>
        <translation>The help file cannot be found.</translation>
    </message>
</context>
<context>
    <name>InputMessages</name>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please type a whole number.</translation>
    </message>
    <message>
        <source>您输入的数据越界（%1–%2）</source>
        <translation>The value you typed is out of range (%1–%2)</translation>
    </message>
    <message>
        <source>已存为 %1（读数为整毫米）</source>
        <translation>Stored as %1 (readings are whole millimetres)</translation>
    </message>
</context>
<context>
    <name>LanguageSwitch</name>
    <message>
        <source>找不到英文界面的翻译文件，界面仍为中文。</source>
        <translation>The English translation was not found; the interface stays in Chinese.</translation>
    </message>
</context>
<context>
    <name>MemberType</name>
    <message>
        <source>梁</source>
        <translation>Beam</translation>
    </message>
    <message>
        <source>板</source>
        <translation>Slab</translation>
    </message>
    <message>
        <source>悬挑梁</source>
        <translation>Cantilever beam</translation>
    </message>
    <message>
        <source>悬挑板</source>
        <translation>Cantilever slab</translation>
    </message>
    <message>
        <source>其他</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>按名称推断</source>
        <translation>From the name</translation>
    </message>
</context>
<context>
    <name>ParameterGrid</name>
    <message>
        <source>工程名称</source>
        <translation>Member</translation>
    </message>
    <message>
        <source>设计厚度</source>
        <translation>Design cover</translation>
    </message>
    <message>
        <source>钢筋直径(mm)</source>
        <translation>Bar dia. (mm)</translation>
    </message>
    <message>
        <source>钢筋序号</source>
        <translation>Bar</translation>
    </message>
    <message>
        <source>位置(mm)</source>
        <translation>Position (mm)</translation>
    </message>
    <message>
        <source>保护层(mm)</source>
        <translation>Cover (mm)</translation>
    </message>
    <message>
        <source>X直径(mm)</source>
        <translation>X dia. (mm)</translation>
    </message>
    <message>
        <source>Y直径(mm)</source>
        <translation>Y dia. (mm)</translation>
    </message>
    <message>
        <source>X位置
(mm)</source>
        <translation>X pos.
(mm)</translation>
    </message>
    <message>
        <source>X保护层
(mm)</source>
        <translation>X cover
(mm)</translation>
    </message>
    <message>
        <source>Y位置
(mm)</source>
        <translation>Y pos.
(mm)</translation>
    </message>
    <message>
        <source>Y保护层
(mm)</source>
        <translation>Y cover
(mm)</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>PDF文件(*.pdf)</source>
        <translation>PDF files (*.pdf)</translation>
    </message>
</context>
<context>
    <name>PrintRun</name>
    <message>
        <source>没有可打印的内容：请先在控制面板中勾选要打印的构件。</source>
        <translation>Nothing to print: first tick the members to print in the control panel.</translation>
    </message>
    <message>
        <source>打印失败：无法在所选打印机上打印。</source>
        <translation>Printing failed: the chosen printer cannot print.</translation>
    </message>
</context>
<context>
    <name>ReportOutput</name>
    <message>
        <source>无法保存文件“%1”：
%2</source>
        <translation>Cannot save the file &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>无法打开文件夹“%1”。</source>
        <translation>Cannot open the folder &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>正在保存“%1”…</source>
        <translation>Saving &quot;%1&quot;…</translation>
    </message>
</context>
<context>
    <name>StartupOpen</name>
    <message>
        <source>窗口中显示的是恢复的未保存修改，“%1”本身没有重新打开。</source>
        <translation>The window shows the restored unsaved changes; &quot;%1&quot; itself was not opened again.</translation>
    </message>
    <message>
        <source>已恢复上次未保存的修改，“%1”没有打开。</source>
        <translation>The unsaved changes of the last run were restored; &quot;%1&quot; was not opened.</translation>
    </message>
</context>
<context>
    <name>TextExport</name>
    <message>
        <source>钢筋仪数据处理文件(*.txt)</source>
        <translation>Text report files (*.txt)</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：
%2</source>
        <translation>Cannot save the file &quot;%1&quot;:
%2</translation>
    </message>
</context>
<context>
    <name>TransferDialog</name>
    <message>
        <source>数据传输结束</source>
        <translation>Data transfer finished</translation>
    </message>
    <message>
        <source>共收到 %1 个构件：</source>
        <translation>%1 members received:</translation>
    </message>
    <message>
        <source>单点测试 %1 个，读数 %2 个</source>
        <translation>single-point tests: %1, readings: %2</translation>
    </message>
    <message>
        <source>剖面测试 %1 个，钢筋 %2 根</source>
        <translation>section tests: %1, bars: %2</translation>
    </message>
    <message>
        <source>网格测试 %1 个，钢筋 %2 根</source>
        <translation>grid tests: %1, bars: %2</translation>
    </message>
    <message>
        <source>测试方式不明 %1 个</source>
        <translation>test mode unknown: %1</translation>
    </message>
    <message>
        <source>原始数据文件%1写入失败!</source>
        <translation>Writing the raw data file %1 failed!</translation>
    </message>
    <message>
        <source>不能打开串口!</source>
        <translation>Cannot open the serial port!</translation>
    </message>
    <message>
        <source>串口已断开，数据传输中断!</source>
        <translation>The serial port was disconnected; data transfer interrupted!</translation>
    </message>
    <message>
        <source>打开设备失败！</source>
        <translation>Opening the device failed!</translation>
    </message>
    <message>
        <source>无法打开设备！</source>
        <translation>Cannot open the device!</translation>
    </message>
    <message>
        <source>端点2线程启动失败</source>
        <translation>The endpoint 2 reader could not be started</translation>
    </message>
    <message>
        <source>端点2下传失败！如果设备断开过那么请先关闭本程序</source>
        <translation>Endpoint 2 transfer failed! If the device was unplugged, close this program first</translation>
    </message>
    <message>
        <source>数据传输中断!</source>
        <translation>Data transfer interrupted!</translation>
    </message>
    <message>
        <source>接收的数据无法识别，未写入数据文件。</source>
        <translation>The data received cannot be read; no data file was written.</translation>
    </message>
    <message>
        <source>仪器中没有构件数据，未写入数据文件。</source>
        <translation>The instrument holds no member data; no data file was written.</translation>
    </message>
    <message>
        <source>数据文件%1写入失败!</source>
        <translation>Writing the data file %1 failed!</translation>
    </message>
    <message>
        <source>COM%1</source>
        <translation>COM%1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 (%2, %3)</source>
        <translation>%1 (%2, %3)</translation>
    </message>
    <message>
        <source>Device%1 (USB %2-%3, %4)</source>
        <translation>Device%1 (USB %2-%3, %4)</translation>
    </message>
    <message>
        <source>未找到USB仪器</source>
        <translation>No USB instrument found</translation>
    </message>
    <message>
        <source>模拟仪器</source>
        <translation>Simulated instrument</translation>
    </message>
</context>
<context>
    <name>WordReport</name>
    <message>
        <source>创建Word2000服务失败!</source>
        <translation>Cannot open the Word report template!</translation>
    </message>
    <message>
        <source>Word文档(*.docx)</source>
        <translation>Word documents (*.docx)</translation>
    </message>
    <message>
        <source>Word报告已保存为“%1”。
没有找到能打开它的应用程序。要打开它所在的文件夹吗?</source>
        <translation>The Word report was saved as &quot;%1&quot;.
No application was found to open it. Open the folder it is in?</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>钢筋保护层检测数据的接收、查看、校正与报告</source>
        <translation>Receives, shows, corrects and reports the data of a rebar cover meter</translation>
    </message>
    <message>
        <source>打开后选择的测试模式：single、section 或 grid</source>
        <translation>Test mode chosen after opening: single, section or grid</translation>
    </message>
    <message>
        <source>要打开的 .gj 工程文件</source>
        <translation>The .gj project file to open</translation>
    </message>
</context>
<context>
    <name>trellon::AboutDialog</name>
    <message>
        <source>关于本软件</source>
        <translation>About This Program</translation>
    </message>
    <message>
        <source>Velmora钢筋检测分析软件 V1.0</source>
        <translation>Velmora Rebar Test Analysis V1.0</translation>
    </message>
    <message>
        <source>Trellon：钢筋保护层厚度检测数据的接收、查看、校正与报告。
由 Trellon 开发组编写，运行于 Linux 桌面。
版权所有 © Trellon 开发组</source>
        <translation>Trellon: receives, shows, corrects and reports rebar cover measurements.
Written by the Trellon developers for the Linux desktop.
Copyright © the Trellon developers</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>trellon::CDataListView</name>
    <message>
        <source>测点序号</source>
        <translation>Reading</translation>
    </message>
    <message>
        <source>测量直径(mm)</source>
        <translation>Measured bar dia. (mm)</translation>
    </message>
    <message>
        <source>测量厚度(mm)</source>
        <translation>Measured cover (mm)</translation>
    </message>
    <message>
        <source>厚度合格</source>
        <translation>Cover within tolerance</translation>
    </message>
</context>
<context>
    <name>trellon::CMainFrame</name>
    <message>
        <source>Workspace</source>
        <translation>Workspace</translation>
    </message>
    <message>
        <source>工具栏</source>
        <translation>Toolbar</translation>
    </message>
    <message>
        <source>就绪</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>Velmora钢筋检测分析软件V1.0</source>
        <translation>Velmora Rebar Test Analysis V1.0</translation>
    </message>
</context>
<context>
    <name>trellon::ChildWindows</name>
    <message>
        <source>无标题</source>
        <translation>Untitled</translation>
    </message>
</context>
<context>
    <name>trellon::ConclusionBasisBar</name>
    <message>
        <source>结论依据：</source>
        <translation>Conclusion based on:</translation>
    </message>
    <message>
        <source>全部勾选测点：共%1点，合格%2点，合格点率%3%</source>
        <translation>All ticked points: %1, of which %2 acceptable, rate %3 %</translation>
    </message>
    <message>
        <source>Word报告结论依据：%1</source>
        <translation>Word report concludes on: %1</translation>
    </message>
</context>
<context>
    <name>trellon::ControlPanel</name>
    <message>
        <source>单点测试</source>
        <translation>Single-point test</translation>
    </message>
    <message>
        <source>剖面测试</source>
        <translation>Section test</translation>
    </message>
    <message>
        <source>网格测试</source>
        <translation>Grid test</translation>
    </message>
    <message>
        <source>删除钢筋 %1（位置 %2 mm，保护层 %3 mm）？</source>
        <translation>Delete bar %1 (position %2 mm, cover %3 mm)?</translation>
    </message>
    <message>
        <source>删除 X 钢筋 %1（位置 %2 mm，保护层 %3 mm）？</source>
        <translation>Delete X bar %1 (position %2 mm, cover %3 mm)?</translation>
    </message>
    <message>
        <source>删除 Y 钢筋 %1（位置 %2 mm，保护层 %3 mm）？</source>
        <translation>Delete Y bar %1 (position %2 mm, cover %3 mm)?</translation>
    </message>
</context>
<context>
    <name>trellon::EvaluationWindow</name>
    <message>
        <source>检验评定</source>
        <translation>Acceptance Evaluation</translation>
    </message>
    <message>
        <source>每根钢筋测点数</source>
        <translation>Readings per bar</translation>
    </message>
    <message>
        <source>梁构件总数</source>
        <translation>Beams in the lot</translation>
    </message>
    <message>
        <source>板构件总数</source>
        <translation>Slabs in the lot</translation>
    </message>
    <message>
        <source>悬挑梁构件总数</source>
        <translation>Cantilever beams in the lot</translation>
    </message>
    <message>
        <source>悬挑板构件总数</source>
        <translation>Cantilever slabs in the lot</translation>
    </message>
    <message>
        <source>未填</source>
        <translation>Not entered</translation>
    </message>
    <message>
        <source>导出PDF</source>
        <translation>Export PDF</translation>
    </message>
    <message>
        <source>将检验评定报告保存为PDF文件</source>
        <translation>Save the evaluation report as a PDF file</translation>
    </message>
    <message>
        <source>正在更新…</source>
        <translation>Updating…</translation>
    </message>
</context>
<context>
    <name>trellon::FileCommands</name>
    <message>
        <source>钢筋仪数据处理文件(*.gj)</source>
        <translation>Cover meter project files (*.gj)</translation>
    </message>
    <message>
        <source>无法打开文件“%1”：
%2

已载入的数据保持不变。</source>
        <translation>Cannot open the file &quot;%1&quot;:
%2

The loaded data stay as they were.</translation>
    </message>
    <message>
        <source>“%1”中的构件类型、复检标记、每根钢筋测点数、构件总数和结论依据已损坏，未能读取；测量数据已完整打开。
%2</source>
        <translation>The member types, second-sample marks, readings per bar, member totals and conclusion basis in &quot;%1&quot; are damaged and were not read; the measurements were opened in full.
%2</translation>
    </message>
    <message>
        <source>没有可保存的数据。</source>
        <translation>There are no data to save.</translation>
    </message>
    <message>
        <source>无法保存文件“%1”：
%2</source>
        <translation>Cannot save the file &quot;%1&quot;:
%2</translation>
    </message>
    <message>
        <source>您保存数据吗?</source>
        <translation>Do you want to save the data?</translation>
    </message>
</context>
<context>
    <name>trellon::HelpWindow</name>
    <message>
        <source>帮助主题</source>
        <translation>Help Topics</translation>
    </message>
</context>
<context>
    <name>trellon::HistoryDock</name>
    <message>
        <source>操作历史</source>
        <translation>History</translation>
    </message>
    <message>
        <source>&lt;打开的工程&gt;</source>
        <translation>&lt;project as opened&gt;</translation>
    </message>
</context>
<context>
    <name>trellon::PathDialog</name>
    <message>
        <source>主文件夹</source>
        <translation>Home folder</translation>
    </message>
    <message>
        <source>设置文件存放路径</source>
        <translation>Choose the Storage Folder</translation>
    </message>
    <message>
        <source>文件存放路径：</source>
        <translation>Storage folder:</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>trellon::PrintSettingsDialog</name>
    <message>
        <source>打印页眉</source>
        <translation>Print header</translation>
    </message>
    <message>
        <source>打印页脚</source>
        <translation>Print footer</translation>
    </message>
    <message>
        <source>打印页码</source>
        <translation>Print page numbers</translation>
    </message>
    <message>
        <source>打印设置</source>
        <translation>Print Settings</translation>
    </message>
    <message>
        <source>底部居右</source>
        <translation>Bottom right</translation>
    </message>
    <message>
        <source>底部居中</source>
        <translation>Bottom centre</translation>
    </message>
    <message>
        <source>底部居左</source>
        <translation>Bottom left</translation>
    </message>
    <message>
        <source>顶部居右</source>
        <translation>Top right</translation>
    </message>
    <message>
        <source>顶部居中</source>
        <translation>Top centre</translation>
    </message>
    <message>
        <source>顶部居左</source>
        <translation>Top left</translation>
    </message>
    <message>
        <source>页眉内容</source>
        <translation>Header text</translation>
    </message>
    <message>
        <source>页脚内容</source>
        <translation>Footer text</translation>
    </message>
    <message>
        <source>页码格式</source>
        <translation>Page number format</translation>
    </message>
    <message>
        <source>页码位置</source>
        <translation>Page number position</translation>
    </message>
    <message>
        <source>起始页码</source>
        <translation>First page number</translation>
    </message>
    <message>
        <source>打印范围</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>读设置文件失败！</source>
        <translation>Reading the settings file failed!</translation>
    </message>
    <message>
        <source>写设置文件失败！</source>
        <translation>Writing the settings file failed!</translation>
    </message>
    <message>
        <source>页码和页眉位置干涉，请重新设置！</source>
        <translation>The page number overlaps the header; please change the settings!</translation>
    </message>
    <message>
        <source>页码和页脚位置干涉，请重新设置！</source>
        <translation>The page number overlaps the footer; please change the settings!</translation>
    </message>
</context>
<context>
    <name>trellon::ProjectDocument</name>
    <message>
        <source>设置构件类型</source>
        <translation>Set member type</translation>
    </message>
    <message>
        <source>按名称推断构件类型</source>
        <translation>Member type from the name</translation>
    </message>
    <message>
        <source>设为复检</source>
        <translation>Mark as second sample</translation>
    </message>
    <message>
        <source>取消复检</source>
        <translation>Clear second sample</translation>
    </message>
    <message>
        <source>每根钢筋测点数 %1</source>
        <translation>Readings per bar %1</translation>
    </message>
    <message>
        <source>修改构件总数</source>
        <translation>Change member totals</translation>
    </message>
    <message>
        <source>勾选 %1</source>
        <translation>Tick %1</translation>
    </message>
    <message>
        <source>取消勾选 %1</source>
        <translation>Untick %1</translation>
    </message>
    <message>
        <source>勾选 %1 个构件</source>
        <translation>Tick %1 members</translation>
    </message>
    <message>
        <source>取消勾选 %1 个构件</source>
        <translation>Untick %1 members</translation>
    </message>
    <message>
        <source>%1 测点%2 直径：%3→%4</source>
        <translation>%1 reading %2 diameter: %3→%4</translation>
    </message>
    <message>
        <source>%1 测点%2：%3→%4</source>
        <translation>%1 reading %2: %3→%4</translation>
    </message>
    <message>
        <source>%1 插入测点%2</source>
        <translation>%1 insert reading %2</translation>
    </message>
    <message>
        <source>%1 删除测点%2</source>
        <translation>%1 delete reading %2</translation>
    </message>
    <message>
        <source>%1 修改钢筋数据</source>
        <translation>%1 change bar data</translation>
    </message>
    <message>
        <source>%1 修改工程信息</source>
        <translation>%1 change project information</translation>
    </message>
    <message>
        <source>按规范设置允许偏差</source>
        <translation>Set permitted deviations by the standard</translation>
    </message>
    <message>
        <source>%1 设计直径：%2→%3</source>
        <translation>%1 design bar diameter: %2→%3</translation>
    </message>
    <message>
        <source>%1 钢筋%2 位置：%3→%4</source>
        <translation>%1 bar %2 position: %3→%4</translation>
    </message>
    <message>
        <source>%1 钢筋%2 保护层：%3→%4</source>
        <translation>%1 bar %2 cover: %3→%4</translation>
    </message>
    <message>
        <source>%1 X钢筋%2 位置：%3→%4</source>
        <translation>%1 X bar %2 position: %3→%4</translation>
    </message>
    <message>
        <source>%1 X钢筋%2 保护层：%3→%4</source>
        <translation>%1 X bar %2 cover: %3→%4</translation>
    </message>
    <message>
        <source>%1 Y钢筋%2 位置：%3→%4</source>
        <translation>%1 Y bar %2 position: %3→%4</translation>
    </message>
    <message>
        <source>%1 Y钢筋%2 保护层：%3→%4</source>
        <translation>%1 Y bar %2 cover: %3→%4</translation>
    </message>
    <message>
        <source>%1 插入钢筋%2</source>
        <translation>%1 insert bar %2</translation>
    </message>
    <message>
        <source>%1 插入X钢筋%2</source>
        <translation>%1 insert X bar %2</translation>
    </message>
    <message>
        <source>%1 插入Y钢筋%2</source>
        <translation>%1 insert Y bar %2</translation>
    </message>
    <message>
        <source>%1 删除钢筋%2</source>
        <translation>%1 delete bar %2</translation>
    </message>
    <message>
        <source>%1 删除X钢筋%2</source>
        <translation>%1 delete X bar %2</translation>
    </message>
    <message>
        <source>%1 删除Y钢筋%2</source>
        <translation>%1 delete Y bar %2</translation>
    </message>
    <message>
        <source>修改结论依据</source>
        <translation>Change the basis of the conclusion</translation>
    </message>
    <message>
        <source>%1 添加验证点</source>
        <translation>%1 add verification point</translation>
    </message>
    <message>
        <source>%1 修改验证点</source>
        <translation>%1 change verification point</translation>
    </message>
    <message>
        <source>删除 %1 个验证点</source>
        <translation>Delete %1 verification points</translation>
    </message>
    <message>
        <source>修改验证规则</source>
        <translation>Change the verification rules</translation>
    </message>
    <message>
        <source>按修正值评定</source>
        <translation>Judge corrected covers</translation>
    </message>
    <message>
        <source>按原始读数评定</source>
        <translation>Judge raw readings</translation>
    </message>
</context>
<context>
    <name>trellon::ProjectInfoDialog</name>
    <message>
        <source>复检（第二次抽样）</source>
        <translation>Second sample (re-test)</translation>
    </message>
    <message>
        <source>输入工程信息</source>
        <translation>Project Information</translation>
    </message>
    <message>
        <source>工程名称</source>
        <translation>Member name</translation>
    </message>
    <message>
        <source>保护层厚度</source>
        <translation>Cover</translation>
    </message>
    <message>
        <source>设计厚度(mm)</source>
        <translation>Design cover (mm)</translation>
    </message>
    <message>
        <source>上偏差(mm)</source>
        <translation>Upper permitted deviation (mm)</translation>
    </message>
    <message>
        <source>下偏差(mm)</source>
        <translation>Lower permitted deviation (mm)</translation>
    </message>
    <message>
        <source>检验评定</source>
        <translation>Acceptance evaluation</translation>
    </message>
    <message>
        <source>构件类型</source>
        <translation>Member type</translation>
    </message>
    <message>
        <source> 应用于 </source>
        <translation> Apply to </translation>
    </message>
    <message>
        <source>当前构件</source>
        <translation>This member</translation>
    </message>
    <message>
        <source>所有构件</source>
        <translation>All members</translation>
    </message>
    <message>
        <source>勾选构件</source>
        <translation>Ticked members</translation>
    </message>
    <message>
        <source>确 定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>请键入一个整数。</source>
        <translation>Please type a whole number.</translation>
    </message>
    <message>
        <source>“请填入一个在%1和%2之间的整数。”</source>
        <translation>Please enter a whole number between %1 and %2.</translation>
    </message>
    <message>
        <source>工程名称中有无法保存的字符，请改用其他文字。</source>
        <translation>The member name has characters that cannot be saved; please use other characters.</translation>
    </message>
    <message>
        <source>工程名称太长：最多%1个字节（一个汉字占两个字节）。</source>
        <translation>The member name is too long: at most %1 bytes (a Chinese character takes two).</translation>
    </message>
</context>
<context>
    <name>trellon::ProjectSummaryForm</name>
    <message>
        <source>工程名称</source>
        <translation>Member name</translation>
    </message>
    <message>
        <source>工程编号</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>数据个(组)数</source>
        <translation>Readings</translation>
    </message>
    <message>
        <source>已知直径(mm)</source>
        <translation>Known bar dia. (mm)</translation>
    </message>
    <message>
        <source>设计直径(mm)</source>
        <translation>Design bar dia. (mm)</translation>
    </message>
    <message>
        <source>设计厚度(mm)</source>
        <translation>Design cover (mm)</translation>
    </message>
    <message>
        <source>厚度最大值(mm)</source>
        <translation>Largest cover (mm)</translation>
    </message>
    <message>
        <source>厚度最小值(mm)</source>
        <translation>Smallest cover (mm)</translation>
    </message>
    <message>
        <source>允许偏差上限(mm)</source>
        <translation>Upper permitted deviation (mm)</translation>
    </message>
    <message>
        <source>允许偏差下限(mm)</source>
        <translation>Lower permitted deviation (mm)</translation>
    </message>
    <message>
        <source>平均厚度(mm)</source>
        <translation>Mean cover (mm)</translation>
    </message>
    <message>
        <source>标准差(mm)</source>
        <translation>Standard deviation (mm)</translation>
    </message>
    <message>
        <source>特征值(mm)</source>
        <translation>Characteristic cover (mm)</translation>
    </message>
    <message>
        <source>合格率</source>
        <translation>Pass rate</translation>
    </message>
    <message>
        <source>允许偏差下限应为负值或零!</source>
        <translation>The lower permitted deviation must be negative or zero!</translation>
    </message>
</context>
<context>
    <name>trellon::ReportParamsDialog</name>
    <message>
        <source>设置报告参数</source>
        <translation>Report Parameters</translation>
    </message>
    <message>
        <source>普通格式</source>
        <translation>Normal format</translation>
    </message>
    <message>
        <source>云南格式</source>
        <translation>Yunnan format</translation>
    </message>
    <message>
        <source>报告编号：</source>
        <translation>Report number:</translation>
    </message>
    <message>
        <source>工程名称：</source>
        <translation>Project name:</translation>
    </message>
    <message>
        <source>强度等级：</source>
        <translation>Concrete grade:</translation>
    </message>
    <message>
        <source>开工日期：</source>
        <translation>Start of construction:</translation>
    </message>
    <message>
        <source>检测日期：</source>
        <translation>Test date:</translation>
    </message>
    <message>
        <source>工程地址：</source>
        <translation>Project address:</translation>
    </message>
    <message>
        <source>工程结构：</source>
        <translation>Structure:</translation>
    </message>
    <message>
        <source>检测仪器：</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>参检人员：</source>
        <translation>Testing staff:</translation>
    </message>
    <message>
        <source>检测内容：</source>
        <translation>Scope of testing:</translation>
    </message>
    <message>
        <source>委托单位：</source>
        <translation>Client:</translation>
    </message>
    <message>
        <source>检测单位：</source>
        <translation>Testing body:</translation>
    </message>
    <message>
        <source>施工单位：</source>
        <translation>Contractor:</translation>
    </message>
    <message>
        <source>监理单位：</source>
        <translation>Supervisor:</translation>
    </message>
    <message>
        <source>设计单位：</source>
        <translation>Designer:</translation>
    </message>
    <message>
        <source>报告格式：</source>
        <translation>Report format:</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>读设置文件失败！</source>
        <translation>Reading the settings file failed!</translation>
    </message>
    <message>
        <source>写设置文件失败！</source>
        <translation>Writing the settings file failed!</translation>
    </message>
    <message>
        <source>结论依据：</source>
        <translation>Conclusion based on:</translation>
    </message>
</context>
<context>
    <name>trellon::TransferDialog</name>
    <message>
        <source>数据传输设置</source>
        <translation>Data Transfer</translation>
    </message>
    <message>
        <source>文件存储路径：</source>
        <translation>Storage path:</translation>
    </message>
    <message>
        <source>浏览...</source>
        <translation>Browse...</translation>
    </message>
    <message>
        <source>端口类型：</source>
        <translation>Port type:</translation>
    </message>
    <message>
        <source>COM</source>
        <translation>COM</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>数据传输</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>取 消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>通信状态：</source>
        <translation>Progress:</translation>
    </message>
    <message>
        <source>%v / %m 字节</source>
        <translation>%v / %m bytes</translation>
    </message>
    <message>
        <source>端口号：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>设备号：</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>请输入文件存储路径!</source>
        <translation>Please enter the storage path!</translation>
    </message>
    <message>
        <source>文件%1已存在，您要覆盖它吗?</source>
        <translation>The file %1 already exists. Do you want to replace it?</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>重新查找串口和USB仪器</source>
        <translation>Look for serial ports and USB instruments again</translation>
    </message>
    <message>
        <source>未找到USB仪器。请用USB线连接仪器并开机，然后按“刷新”。</source>
        <translation>No USB instrument found. Connect the instrument with its USB cable, switch it on, then press “Refresh”.</translation>
    </message>
    <message>
        <source>串口已打开，请在仪器上开始发送数据。</source>
        <translation>The serial port is open: start sending the data on the instrument.</translation>
    </message>
    <message>
        <source>正在接收数据……</source>
        <translation>Receiving data…</translation>
    </message>
    <message>
        <source>正在取消……</source>
        <translation>Cancelling…</translation>
    </message>
    <message>
        <source>数据传输已取消。</source>
        <translation>Data transfer cancelled.</translation>
    </message>
    <message>
        <source>数据传输未完成。</source>
        <translation>Data transfer not completed.</translation>
    </message>
</context>
<context>
    <name>trellon::VerificationPointsModel</name>
    <message>
        <source>钻孔</source>
        <translation>Drilling</translation>
    </message>
    <message>
        <source>剔凿</source>
        <translation>Chiselling</translation>
    </message>
    <message>
        <source>构件编号</source>
        <translation>Member number</translation>
    </message>
    <message>
        <source>构件名称</source>
        <translation>Member name</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Run</translation>
    </message>
    <message>
        <source>测点</source>
        <translation>Point</translation>
    </message>
    <message>
        <source>读数(mm)</source>
        <translation>Reading (mm)</translation>
    </message>
    <message>
        <source>实测值(mm)</source>
        <translation>Measured (mm)</translation>
    </message>
    <message>
        <source>差值(mm)</source>
        <translation>Difference (mm)</translation>
    </message>
    <message>
        <source>直径(mm)</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>方式</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>备注</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>构件不存在</source>
        <translation>No such member</translation>
    </message>
    <message>
        <source>测点已删除</source>
        <translation>Point deleted</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>工程中没有这个构件，验证点不参与计算</source>
        <translation>The project has no such member; the point takes no part</translation>
    </message>
    <message>
        <source>验证点所在的读数或钢筋已删除，验证点不参与计算</source>
        <translation>The reading or bar of the point was deleted; the point takes no part</translation>
    </message>
    <message>
        <source>构件没有这个测点，验证点不参与计算</source>
        <translation>The member has no such point; the point takes no part</translation>
    </message>
    <message>
        <source>差值超过允许误差</source>
        <translation>The difference exceeds the permitted error</translation>
    </message>
    <message>
        <source>填写的直径</source>
        <translation>Diameter typed for the point</translation>
    </message>
    <message>
        <source>构件的直径（留空）</source>
        <translation>The member's diameter (left empty)</translation>
    </message>
    <message>
        <source>实测值应为0.0到200.0之间的数，精确到0.1 mm。</source>
        <translation>The measured cover must be a number from 0.0 to 200.0, to 0.1 mm.</translation>
    </message>
    <message>
        <source>直径应为0到100之间的整数；留空时取构件的直径。</source>
        <translation>The diameter must be a whole number from 0 to 100; left empty, the member's diameter is taken.</translation>
    </message>
</context>
<context>
    <name>trellon::VerificationWindow</name>
    <message>
        <source>钻孔验证与修正</source>
        <translation>Drilling Verification and Correction</translation>
    </message>
    <message>
        <source>添加当前测点</source>
        <translation>Add Current Point</translation>
    </message>
    <message>
        <source>把列表窗口中选中的读数或控制面板表格中选中的钢筋添加为验证点，随即输入实测值</source>
        <translation>Add the reading chosen in the list window or the bar chosen in the control panel's table as a verification point, then type the measured cover</translation>
    </message>
    <message>
        <source>删除</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>删除选中的验证点</source>
        <translation>Delete the chosen verification points</translation>
    </message>
    <message>
        <source>各直径的修正值（差值的平均值）：</source>
        <translation>Correction per diameter (mean of the differences):</translation>
    </message>
    <message>
        <source>直径(mm)</source>
        <translation>Diameter (mm)</translation>
    </message>
    <message>
        <source>验证点数</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>修正值(mm)</source>
        <translation>Correction (mm)</translation>
    </message>
    <message>
        <source>垫块厚度 c0 (mm)</source>
        <translation>Spacer c0 (mm)</translation>
    </message>
    <message>
        <source>最少验证比例 (%)</source>
        <translation>Least share to verify (%)</translation>
    </message>
    <message>
        <source>最少验证点数</source>
        <translation>Fewest points to verify</translation>
    </message>
    <message>
        <source>允许误差 (mm)</source>
        <translation>Permitted error (mm)</translation>
    </message>
    <message>
        <source>按修正值评定</source>
        <translation>Judge Corrected Covers</translation>
    </message>
    <message>
        <source>检验评定、评定报告和Word报告的附录E结论采用修正后的保护层厚度；读数本身不变</source>
        <translation>The acceptance evaluation, its report and the Word report's Appendix E conclusion use the corrected covers; the readings themselves stay as they are</translation>
    </message>
    <message>
        <source>未知</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>未修正（%1个测点）</source>
        <translation>Uncorrected (%1 points)</translation>
    </message>
    <message>
        <source>勾选构件的评定值 %1 个，应验证 %2 处，已验证 %3 处：%4</source>
        <translation>%1 judged values of the ticked members, %2 points to verify, %3 verified: %4</translation>
    </message>
    <message>
        <source>满足</source>
        <translation>enough</translation>
    </message>
    <message>
        <source>不足</source>
        <translation>not enough</translation>
    </message>
    <message>
        <source>检测误差：有效验证点的差值均不大于 %1 mm</source>
        <translation>Detection error: no valid point differs by more than %1 mm</translation>
    </message>
    <message>
        <source>检测误差：%1 个验证点的差值大于 %2 mm，超差</source>
        <translation>Detection error: %1 points differ by more than %2 mm, beyond the permitted error</translation>
    </message>
    <message>
        <source>请先在列表窗口中选中一个读数，或在控制面板的表格中选中一根钢筋。</source>
        <translation>First choose a reading in the list window or a bar in the control panel's table.</translation>
    </message>
    <message>
        <source>这个测点没有读数，不能作为验证点。</source>
        <translation>This point has no reading and cannot be a verification point.</translation>
    </message>
    <message>
        <source>请先选中要删除的验证点。</source>
        <translation>First choose the verification points to delete.</translation>
    </message>
</context>
</TS>
