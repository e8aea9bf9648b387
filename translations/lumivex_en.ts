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
    <message>
        <source>There are images that are not saved. If you quit this application, these images are removed.</source>
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
    <name>ProductVersion</name>
    <message>
        <source>Copyright (C) Norvane. All rights reserved.</source>
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
