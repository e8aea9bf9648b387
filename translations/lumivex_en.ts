<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>CAboutDlg</name>
    <message>
        <source>Camera Serial:%1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Hardware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera FPGA Frimware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Frimware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAlcAreaDlg</name>
    <message>
        <source>X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALC Weight/Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAwbAreaDlg</name>
    <message>
        <source>X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Balance setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCallbackEnableDlg</name>
    <message>
        <source>&lt;-Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callback Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frames Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDeviceDlg</name>
    <message>
        <source>Page 1/3 (Max 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>▲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>▼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GigE Vision Camera Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NIC IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GigE Vision Camera Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IP Address initialization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Size Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Available GigE Vision Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GigE Vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid selection. Please select a GEV Device connected through a supported network card configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GigE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disconnect?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1/%2 (Max %3)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingBase</name>
    <message>
        <source>Arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round Rect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingManagement</name>
    <message>
        <source>[pixel]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[pixel2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[Degree]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingManagementDlg</name>
    <message>
        <source>Draw File(*.drw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set As Default Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing file could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to register this file as initial setting file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The drawing file could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashes And Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dashes And Double Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45-degree upward left-to-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal and vertical cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45-degree cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>45-degree downward left-to-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opaque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alternate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabGlobal</name>
    <message>
        <source>Length Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Area Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal Length / Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Length / Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree Unit Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw To Snap Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabGrid</name>
    <message>
        <source>Horizontal Grid Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical Grid Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Pen Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Pen Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Pen Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Back Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabPen</name>
    <message>
        <source>Pen Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly Fill Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pen / Brush</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabSize</name>
    <message>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabText</name>
    <message>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Background Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CGraphDlg</name>
    <message>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistogramDlg</name>
    <message>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height Stretch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CIPAdressSettingDlg</name>
    <message>
        <source>IP Address is automatically acquired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current IP Address is maintained.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IPAddress Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved Error! Code=%1[0x%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLumivexApp</name>
    <message>
        <source>Could not connect to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLumivexDlg</name>
    <message>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Capture(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still Image(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Live Video(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adjust Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callback(&amp;C)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waveform(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Histogram(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manage Connection(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OP Setting(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap Shot(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Capture(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw Property..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Thumbnail(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Information(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help(&amp;H)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Free Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview - %1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLxCtrlMainDlg</name>
    <message>
        <source>Do you continue the operation? If you continue the operation, the recording file would be closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CFG File(*.cfg);;AllFiles(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds no settings for this camera model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load(&amp;L)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLxCtrlOPMainDlg</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovieCommand</name>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI File(*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AllFiles(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AVI File Created.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPacketsizeSettingDlg</name>
    <message>
        <source>Packet Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Packet Size mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreview</name>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreviewDCCallback_DropFramesCount</name>
    <message>
        <source>Received BlockID:%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreviewDCCallback_ShowFPS</name>
    <message>
        <source>DispFPS:?/DispCount:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FPS:%1/FrameCount:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRS232C_OM</name>
    <message>
        <source>Not found SOF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found ETX.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Recieve(PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Length Error(PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Length Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recieve Error(SerialPort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Error(SerialPort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Busy(0x07).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recieve Error(0x10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Around Error(0x11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra Error(0x%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecordingFrameCount</name>
    <message>
        <source>Recording Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compression Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Motion JPEG (OpenDML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS-MPEG4 V1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS-MPEG4 V2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSnapShotDlg</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_AOI_Dlg</name>
    <message>
        <source>X Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binning horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binning vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimation horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimation vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AOI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set &quot;OffsetX&quot; + &quot;Width&quot; is %1 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set &quot;OffsetY&quot; + &quot;Height&quot; is %1 or less.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_GainShutter_Dlg</name>
    <message>
        <source>Gain/Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGC Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALC Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Iris Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shutter Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALC Iris Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lens Manual Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AGC Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min. Shutter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max. Shutter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALC Peak-Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Digital Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_Gamma_Dlg</name>
    <message>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EEPROM-&gt;Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reload Gamma Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_IO_Dlg</name>
    <message>
        <source>Output pin0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin0(Pin No.2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin0(Pin No.2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin1(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin1(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output pin4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue pin4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FrameTriggerWait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserOutputValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ExposureActive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TriggerAuxiliary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TriggerInternal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SensorReadOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobe signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Off(Low)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>On(High)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inverter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobe signal delay(uSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobe signal ontime(uSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>StrobeSignalPolarity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_OPPage1_Dlg</name>
    <message>
        <source>Data setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane FPGA-&gt;User FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Process after User FPGA-&gt;Norvane FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JTAG connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User FPGA Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CCD data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White balance processed data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White balance and gamma processed data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No process(No data from User FPGA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White balance,gamma and color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gamma and color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Norvane FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_OPPage2_Dlg</name>
    <message>
        <source>Image processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image processing mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split screen function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binarize setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binarize threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge detection setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge detection level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame memory function setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Still image mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4x zoom and slide show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No image processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binarize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edge detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame memory function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF(Live image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ON(Still image)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_Other_Dlg</name>
    <message>
        <source>OFF(Mono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF(Color)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearest Neighbor Replication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilinear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BiCubic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bilinear with false color reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF(Normal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horizontal/Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Smear half reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Binning mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double speed mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double speed mode tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure shutter type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mirror Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_Trigger_Dlg</name>
    <message>
        <source>Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger input selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software trigger source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Trigger Pulse Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Trigger Pulse Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One shot trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continuous trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Command Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exposure Delay(us)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger horizontal reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_UserSet_Dlg</name>
    <message>
        <source>UserSet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserSetSelector:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserSetLoad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserSetSave:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UserSetDefaultSelector:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CTab_WB_Dlg</name>
    <message>
        <source>WhiteBalance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ATW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Push to set WB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Gain R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Gain Gr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Gain Gb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color Gain B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Y Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WB Zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CThumbnailDlg</name>
    <message>
        <source>x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Snap Shot NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoCameras</name>
    <message>
        <source>Simulated camera %1 did not start: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingManagementBase</name>
    <message>
        <source>Drawing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <source>--demo takes 1 to %1 cameras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--connect needs an address, or --demo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--connect takes at most %1 cameras.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LumivexCli</name>
    <message>
        <source>no camera given; name it with -c ADDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing to do; name at least one feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: no camera answers at %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another application controls it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: cannot connect to the camera at %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a camera address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List the GigE Vision cameras on the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List a camera&apos;s features with their values and ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print features of a camera as NAME=value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set features of a camera from NAME=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read or write registers through a camera&apos;s serial channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record frames of a camera into an AVI movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save or load a camera settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli features -c ADDR
Lists every feature of the camera at ADDR, one line each, tab-separated:
name, type, access (RW, RO, WO), visibility, value (&apos;-&apos; when it cannot be read),
and the range (integers: min..max step inc; floats: min..max) or the
available entries of an enumeration separated by &apos;|&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli get -c ADDR NAME...
Prints one line NAME=value for each named feature of the camera at ADDR.
Exits with 1 when a feature is missing or cannot be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the camera has no such feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: cannot read %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli list
Lists the GigE Vision cameras that answer discovery on any network interface,
one line each: IP address, MAC address, model and serial number, tab-separated.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: unexpected argument &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli COMMAND [OPTIONS]
Looks at and sets up GigE Vision cameras.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>
&apos;lumivex-cli COMMAND --help&apos; describes a command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: unknown command &apos;%1&apos;. &apos;lumivex-cli --help&apos; lists the commands.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--frames needs a number of frames above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--quality needs a number from 1 to 100, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown codec &apos;%1&apos;; use mjpeg, odml, raw or mp42</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli record -c ADDR --frames N [--codec mjpeg|odml|raw|mp42] [--quality Q] FILE.avi
Records N frames from the camera at ADDR into FILE.avi, as the viewer&apos;s movie
recording does: Motion JPEG (mjpeg, the default), Motion JPEG in the OpenDML
layout for files beyond 1 GB (odml), uncompressed (raw) or MS-MPEG4 V2 (mp42).
Q, from 1 to 100 (default 75), is the Motion JPEG quality. Exits with 1 when
the recording cannot start or the camera stops sending frames.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no frame count given; name it with --frames N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>name exactly one movie file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the movie file must end in .avi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: cannot connect to the camera at %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: cannot start the acquisition thread
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: cannot record into %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: the camera stopped sending frames; %1 of %2 frames recorded
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recorded %1 frames into %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli serial -c ADDR [--port 0|1] read BANK ADDRESS LENGTH
       lumivex-cli serial -c ADDR [--port 0|1] write BANK ADDRESS BYTE...
Reads or writes registers of the option electronics of the camera at ADDR
through its serial channel: port 0 (the default) the camera&apos;s registers,
port 1 the option board&apos;s FPGA. BANK is 0x00 or 0x80; numbers are decimal
or hexadecimal with 0x. A read prints the bytes in hexadecimal on one line.
Exits with 1 when the exchange fails.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: the camera at %1 has no serial port %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port needs 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>say read or write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>write needs BANK ADDRESS and 1 to 255 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>read needs BANK ADDRESS LENGTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BANK must be 0x00 or 0x80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ADDRESS must be 0 to 0xFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LENGTH must be 1 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a byte: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli set -c ADDR NAME=VALUE...
Sets features of the camera at ADDR in the order given, stopping at the
first one that fails. Integers are decimal or 0x hexadecimal, booleans
true/false or 1/0, enumerations an entry name or its integer value.
Exits with 1 when the camera refuses a value.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: &apos;%1&apos; is not NAME=VALUE
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: the camera has no feature %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: &apos;%1&apos; is not a value for the %2 feature %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: %1 is a command and has no value to set
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the feature is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: the camera refused %1=%2 (%3)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Usage: lumivex-cli settings -c ADDR save FILE.cfg
       lumivex-cli settings -c ADDR load FILE.cfg
Saves the settings of the camera at ADDR into a camera settings file, in
the sections of its model, keeping the file&apos;s other sections; or applies
the sections of its model from such a file to the camera.
Exits with 1 when the camera or the file fails.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lumivex-cli: %1 holds no settings for this camera model
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LxD3DDisplayWnd</name>
    <message>
        <source>This PC does not support OpenGL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionBoard</name>
    <message>
        <source>Output0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductVersion</name>
    <message>
        <source>Copyright (C) Norvane. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SdkDeviceFinderDialog</name>
    <message>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShutterControls</name>
    <message>
        <source>1/120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1/25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[0:Default]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnapShotImage</name>
    <message>
        <source>(x,y) = (%1,%2)/(R,G,B)=(%3,%4,%5)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnapShotList</name>
    <message>
        <source>There are images that are not saved. If you quit this application, these images are removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitmap(*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIFF(*.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG(*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG(*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>usage: lumivex [--demo[=N]] [--connect [ADDR[,ADDR...]]]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
