<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>AoiPage</name>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="40"/>
        <source>X Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="41"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="42"/>
        <source>Y Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="43"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="47"/>
        <source>Binning horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="48"/>
        <source>Binning vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="49"/>
        <source>Decimation horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="50"/>
        <source>Decimation vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="56"/>
        <location filename="../src/controls/AoiPage.cpp" line="58"/>
        <source>AOI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="83"/>
        <source>Activate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="85"/>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="99"/>
        <source>Frame rate(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="148"/>
        <source>Please set &quot;OffsetX&quot; + &quot;Width&quot; is %1 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="150"/>
        <source>Please set &quot;OffsetY&quot; + &quot;Height&quot; is %1 or less.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/AoiPage.cpp" line="300"/>
        <source>The camera took %1 instead of %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <location filename="../src/app/AboutText.cpp" line="43"/>
        <source>Camera Serial:%1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutText.cpp" line="45"/>
        <source>Camera Hardware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutText.cpp" line="47"/>
        <source>Camera FPGA Frimware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/AboutText.cpp" line="49"/>
        <source>Camera Frimware Version:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CAboutDlg.cpp" line="25"/>
        <source>About %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAlcAreaDlg</name>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="32"/>
        <source>X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="33"/>
        <source>X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="34"/>
        <source>X3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="35"/>
        <source>X4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="39"/>
        <source>Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="40"/>
        <source>Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="41"/>
        <source>Y3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="42"/>
        <source>Y4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="49"/>
        <source>ALC Weight/Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="51"/>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="62"/>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAlcAreaDlg.cpp" line="66"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CAwbAreaDlg</name>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="15"/>
        <source>X1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="16"/>
        <source>X2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="20"/>
        <source>Y1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="21"/>
        <source>Y2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="28"/>
        <source>White Balance setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="30"/>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="36"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CAwbAreaDlg.cpp" line="36"/>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CCallbackEnableDlg</name>
    <message>
        <location filename="../src/display/CCallbackEnableDlg.cpp" line="26"/>
        <source>&lt;-Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/CCallbackEnableDlg.cpp" line="27"/>
        <source>Disable-&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/CCallbackEnableDlg.cpp" line="29"/>
        <source>Callback Functions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/CCallbackEnableDlg.cpp" line="42"/>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/CCallbackEnableDlg.cpp" line="43"/>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/LogoPainter.cpp" line="58"/>
        <source>Logo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/DroppedFramesPainter.cpp" line="6"/>
        <source>Frames Received</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/EllipsePainter.cpp" line="9"/>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/GridPainter.cpp" line="28"/>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/FrameRatePainter.cpp" line="21"/>
        <source>FPS</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDeviceDlg</name>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="86"/>
        <source>Page 1/3 (Max 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="87"/>
        <source>▲</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="88"/>
        <source>▼</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="89"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="90"/>
        <source>Packet size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="91"/>
        <source>Connect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="92"/>
        <source>Disconnect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="93"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="94"/>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="96"/>
        <source>GigE Vision Camera Selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="99"/>
        <source>Camera IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="99"/>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="99"/>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="99"/>
        <source>NIC IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="100"/>
        <source>User Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="109"/>
        <source>GigE Vision Camera Connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="112"/>
        <source>IP Address initialization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="114"/>
        <source>Packet Size Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="149"/>
        <source>Available GigE Vision Cameras</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="223"/>
        <source>GigE Vision</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="224"/>
        <source>Invalid selection. Please select a GEV Device connected through a supported network card configuration.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="236"/>
        <location filename="../src/selection/CDeviceDlg.cpp" line="397"/>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="236"/>
        <source>Connection failed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="266"/>
        <source>GigE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="266"/>
        <source>Disconnect?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="380"/>
        <source>%1/%2 (Max %3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CDeviceDlg.cpp" line="397"/>
        <source>The drawing file could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingBase</name>
    <message>
        <location filename="../src/drawing/CDrawingArc.cpp" line="10"/>
        <source>Arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingBezier.cpp" line="9"/>
        <source>Bezier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingCross.cpp" line="9"/>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingDegree.cpp" line="10"/>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingEllipse.cpp" line="8"/>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingFreeHand.cpp" line="8"/>
        <source>Free Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingLine.cpp" line="8"/>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingPerpendicular.cpp" line="8"/>
        <source>Perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingPolygon.cpp" line="8"/>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingRectangle.cpp" line="8"/>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingRoundRect.cpp" line="9"/>
        <source>Round Rect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingText.cpp" line="11"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingManagement</name>
    <message>
        <location filename="../src/drawing/DrawingSettings.cpp" line="8"/>
        <source>[pixel]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingSettings.cpp" line="9"/>
        <source>[pixel2]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingSettings.cpp" line="10"/>
        <source>[Degree]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagement.cpp" line="134"/>
        <source>%1: drawing object %2 is damaged.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingManagementDlg</name>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="55"/>
        <source>Draw File(*.drw)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="55"/>
        <source>All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="69"/>
        <source>Draw Properties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="72"/>
        <source>Draw List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="74"/>
        <source>Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="80"/>
        <source>Bottom</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="94"/>
        <source>Set As Default Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="96"/>
        <source>Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="98"/>
        <source>Load...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="100"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="139"/>
        <source>Most Backward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="140"/>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="141"/>
        <source>Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="142"/>
        <source>Most Front</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="286"/>
        <source>The drawing file could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="289"/>
        <source>Do you want to register this file as initial setting file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingManagementDlg.cpp" line="306"/>
        <source>The drawing file could not be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="32"/>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="101"/>
        <source>Solid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="33"/>
        <source>Dash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="34"/>
        <source>Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="35"/>
        <source>Dashes And Dots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="36"/>
        <source>Dashes And Double Dot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="37"/>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="100"/>
        <source>Null</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="102"/>
        <source>Hatch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="107"/>
        <source>45-degree upward left-to-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="108"/>
        <source>Horizontal and vertical cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="109"/>
        <source>45-degree cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="110"/>
        <source>45-degree downward left-to-right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="111"/>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="112"/>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="117"/>
        <source>Transparent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="118"/>
        <source>Opaque</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="123"/>
        <source>Alternate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="124"/>
        <source>Winding</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="130"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="131"/>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="132"/>
        <source>Height</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="133"/>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="134"/>
        <source>Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="135"/>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="136"/>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="137"/>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingPropertyRules.cpp" line="138"/>
        <source>Center Position</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabGlobal</name>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="17"/>
        <source>Length Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="18"/>
        <source>Area Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="19"/>
        <source>Degree Unit Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="20"/>
        <source>Horizontal Length / Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="21"/>
        <source>Vertical Length / Pixel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="22"/>
        <source>Degree Unit Ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="23"/>
        <source>Draw To Snap Shot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGlobal.cpp" line="48"/>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabGrid</name>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="11"/>
        <source>Horizontal Grid Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="12"/>
        <source>Vertical Grid Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="13"/>
        <source>Grid Pen Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="14"/>
        <source>Grid Pen Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="15"/>
        <source>Grid Pen Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="16"/>
        <source>Grid Back Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="17"/>
        <source>Grid Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabGrid.cpp" line="39"/>
        <source>Grid</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabPen</name>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="11"/>
        <source>Pen Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="12"/>
        <source>Pen Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="13"/>
        <source>Pen Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="14"/>
        <source>Brush Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="15"/>
        <source>Brush Style</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="16"/>
        <source>Brush Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="17"/>
        <source>Back Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="18"/>
        <source>Back Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="19"/>
        <source>Poly Fill Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabPen.cpp" line="42"/>
        <source>Pen / Brush</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabSize</name>
    <message>
        <location filename="../src/drawing/CDrawingTabSize.cpp" line="8"/>
        <source>Lock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabSize.cpp" line="9"/>
        <source>Hide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabSize.cpp" line="20"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CDrawingTabText</name>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="23"/>
        <source>Text Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="24"/>
        <source>Text Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="24"/>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="25"/>
        <source>Text Background Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="26"/>
        <source>Text Background Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="32"/>
        <source>Display Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="33"/>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/CDrawingTabText.cpp" line="49"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CFeaturesDlg</name>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="71"/>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="207"/>
        <source>Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="75"/>
        <source>Beginner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="75"/>
        <source>Expert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="75"/>
        <source>Guru</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="78"/>
        <source>Search features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="81"/>
        <source>Visibility:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="86"/>
        <source>Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="86"/>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="86"/>
        <source>Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="86"/>
        <source>Access</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="208"/>
        <source>No camera is connected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="212"/>
        <source>Features - %1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="292"/>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="292"/>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="298"/>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="303"/>
        <source>%1 executed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="304"/>
        <source>%1: the camera refused the command (%2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="319"/>
        <source>RW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="319"/>
        <source>RO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="319"/>
        <source>WO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="319"/>
        <source>NA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="340"/>
        <source>, step %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="449"/>
        <source>%1: &quot;%2&quot; is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="464"/>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="494"/>
        <source>%1 is outside %2 .. %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="467"/>
        <source>%1 is not a whole number of steps of %2 from %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="478"/>
        <source>%1: &quot;%2&quot; is not a number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="506"/>
        <source>%1 set to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="507"/>
        <source>%1: the camera refused %2 (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="513"/>
        <source>%1: %2; %3 was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CFeaturesDlg.cpp" line="519"/>
        <source>%1: the camera gives a minimum (%2) above the maximum (%3), so no value can be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CHistogramDlg</name>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="30"/>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="31"/>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="32"/>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="33"/>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="34"/>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="35"/>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="72"/>
        <source>Histogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/analysis/CHistogramDlg.cpp" line="76"/>
        <source>Height Stretch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLumivexApp</name>
    <message>
        <location filename="../src/app/CLumivexApp.cpp" line="114"/>
        <source>Could not connect to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLumivexDlg</name>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="274"/>
        <source>File(&amp;F)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="274"/>
        <source>Option(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="274"/>
        <source>Capture(&amp;C)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="275"/>
        <source>Draw(&amp;D)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="275"/>
        <source>Window(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="275"/>
        <source>Help(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="278"/>
        <source>Size(&amp;Z)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="281"/>
        <source>Close(&amp;X)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="282"/>
        <source>Still Image(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="282"/>
        <source>Live Video(&amp;P)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="283"/>
        <source>Settings(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="284"/>
        <source>x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="285"/>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="286"/>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="287"/>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="288"/>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="289"/>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="290"/>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="291"/>
        <source>Adjust Window Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="292"/>
        <source>Callback(&amp;C)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="293"/>
        <source>Waveform(&amp;W)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="294"/>
        <source>Histogram(&amp;H)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="295"/>
        <source>Manage Connection(&amp;M)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="296"/>
        <source>OP Setting(&amp;O)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="297"/>
        <source>Snap Shot(&amp;S)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="298"/>
        <source>Video Capture(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="299"/>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="300"/>
        <source>Delete Drawing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="301"/>
        <source>Draw Property..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="302"/>
        <source>Show Thumbnail(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="303"/>
        <source>Version Information(&amp;V)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="304"/>
        <source>Help(&amp;H)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="305"/>
        <source>Features(&amp;E)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="306"/>
        <source>Tile(&amp;T)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="307"/>
        <source>Cascade(&amp;A)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="308"/>
        <source>Tile at Connection(&amp;N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Select</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="316"/>
        <source>Degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Polygon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Perpendicular</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Arc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Bezier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Free Hand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="317"/>
        <source>Cross</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="319"/>
        <source>Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlg.cpp" line="371"/>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="226"/>
        <source>camera lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="75"/>
        <source>The camera %1(%2) lacks %3, which a live image needs. Option &gt; Features still shows and sets its features.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="223"/>
        <source>Preview - %1(%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="342"/>
        <source>camera lost, waiting for it to answer again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="343"/>
        <source>Camera %1 (%2): %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="268"/>
        <source>The camera %1 (%2) at %3 has not answered since %4. It is being looked for; the live image resumes as soon as it is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/CLumivexDlgConnection.cpp" line="295"/>
        <source>The camera %1 (%2) at %3 was lost from %4 to %5 and answers again; the live image resumed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLxCtrlMainDlg</name>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="35"/>
        <source>Do you continue the operation? If you continue the operation, the recording file would be closed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="46"/>
        <source>CFG File(*.cfg);;AllFiles(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="47"/>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="48"/>
        <source>Load File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="55"/>
        <source>Operation Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="78"/>
        <source>The camera settings could not be written to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CameraSettingsButtons.cpp" line="103"/>
        <source>The file holds no settings for this camera model.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CLxCtrlMainDlg.cpp" line="62"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CLxCtrlMainDlg.cpp" line="63"/>
        <source>Save(&amp;S)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CLxCtrlMainDlg.cpp" line="64"/>
        <source>Load(&amp;L)...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/CLxCtrlMainDlg.cpp" line="104"/>
        <source>%1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CLxCtrlOPMainDlg</name>
    <message>
        <location filename="../src/optionboard/CLxCtrlOPMainDlg.cpp" line="27"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/CLxCtrlOPMainDlg.cpp" line="73"/>
        <source>%1[%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CMovieCommand</name>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="14"/>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="18"/>
        <source>AVI File(*.avi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="19"/>
        <source>AllFiles(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="63"/>
        <source>Operation Canceled.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="78"/>
        <source>AVI File Created.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/commands/CMovieCommand.cpp" line="18"/>
        <source>Matroska File(*.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPacketsizeSettingDlg</name>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="30"/>
        <source>Packet Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="34"/>
        <source>Packet size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="36"/>
        <source>Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="37"/>
        <source>Auto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="48"/>
        <source>Packet Size mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="56"/>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/CPacketsizeSettingDlg.cpp" line="57"/>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CPreview</name>
    <message>
        <location filename="../src/display/CPreview.cpp" line="27"/>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/display/CPreview.cpp" line="34"/>
        <source>Features...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRS232C_OM</name>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="70"/>
        <source>Not found SOF.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="72"/>
        <source>Not found ETX.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="74"/>
        <source>Not Recieve(PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="76"/>
        <source>Data Length Error(PC).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="78"/>
        <source>Data Length Error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="80"/>
        <source>Recieve Error(SerialPort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="82"/>
        <source>Send Error(SerialPort)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="84"/>
        <source>Busy(0x07).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="86"/>
        <source>Recieve Error(0x10).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="88"/>
        <source>Around Error(0x11).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/CRS232C_OM.cpp" line="90"/>
        <source>Extra Error(0x%1).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecordingControl</name>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="387"/>
        <source>The recording into %1 ended because the camera&apos;s image format or size changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="389"/>
        <source>The recording into %1 ended because the live image was restarted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="391"/>
        <source>The recording into %1 ended because the file reached its size limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="393"/>
        <source>The recording into %1 ended because the file could not be written: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="396"/>
        <source>The recording file %1 could not be completed: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="229"/>
        <source>The frame list %1 could not be created: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="374"/>
        <source>%1 frames written; %2 frames the camera sent never arrived; interval mean %3 ms, max %4 ms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="399"/>
        <source>The frame list of %1 could not be written completely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="335"/>
        <source>The camera was lost at %1, and the recording ended before it was back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="340"/>
        <source>The camera was lost from %1 to %2 (%3 s); the recording went on in %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/CRecordingControl.cpp" line="401"/>
        <source>The recording into %1 ended because the camera stopped answering.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CRecordingFrameCount</name>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="33"/>
        <source>Recording Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="91"/>
        <source> </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="93"/>
        <source>Retry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="97"/>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="105"/>
        <source>Compression Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="46"/>
        <source>Uncompressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="47"/>
        <source>Motion JPEG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="48"/>
        <source>Motion JPEG (OpenDML)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="49"/>
        <source>MS-MPEG4 V1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="50"/>
        <source>MS-MPEG4 V2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="156"/>
        <source>Quality:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="161"/>
        <source>Recorded Frame Setting:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="166"/>
        <source>File Size:   %1 KBytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="173"/>
        <source>Recording Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="181"/>
        <source>Recording Time:about %1h %2min %3sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="186"/>
        <source>Recording Time:about %1min %2sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="189"/>
        <source>Recording Time:about %1sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="51"/>
        <source>FFV1 lossless, full depth (.mkv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="52"/>
        <source>Numbered images: PNG, 8 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="53"/>
        <source>Numbered images: PNG, 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="54"/>
        <source>Numbered images: TIFF, 8 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capture/RecordingEstimates.cpp" line="55"/>
        <source>Numbered images: TIFF, 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="99"/>
        <source>Continue after a lost camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CRecordingFrameCount.cpp" line="101"/>
        <source>When the camera stops answering, its file is closed, and the recording goes on in the next numbered file once the camera is back. Otherwise the recording ends with the closed file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CSnapShotDlg</name>
    <message>
        <location filename="../src/capturewindows/CSnapShotDlg.cpp" line="125"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CThumbnailDlg</name>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="22"/>
        <source>x8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="22"/>
        <source>x4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="23"/>
        <source>x2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="23"/>
        <source>x1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="24"/>
        <source>x1/2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="24"/>
        <source>x1/4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="25"/>
        <source>x1/8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="37"/>
        <source>Thumbnail</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="205"/>
        <source>Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="208"/>
        <source>Snap Shot NO.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="215"/>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="229"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="231"/>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/CThumbnailDlg.cpp" line="233"/>
        <source>Delete All</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DataSettingPage</name>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="21"/>
        <source>Data setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="80"/>
        <source>Image data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="81"/>
        <source>Output signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="82"/>
        <source>Norvane FPGA-&gt;User FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="83"/>
        <source>Process after User FPGA-&gt;Norvane FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="84"/>
        <source>JTAG connection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="85"/>
        <source>User FPGA Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="87"/>
        <source>CCD data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="88"/>
        <source>White balance processed data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="89"/>
        <source>White balance and gamma processed data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="91"/>
        <source>No process(No data from User FPGA)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="92"/>
        <source>White balance,gamma and color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="93"/>
        <source>Gamma and color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="94"/>
        <source>Color interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="99"/>
        <source>Norvane FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="99"/>
        <source>User FPGA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="101"/>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/DataSettingPage.cpp" line="102"/>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DeepViewControls</name>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="23"/>
        <source>Top 8 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="24"/>
        <source>Window/level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="25"/>
        <location filename="../src/controls/DeepViewControls.cpp" line="46"/>
        <source>Bit shift</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="40"/>
        <source>Grey beyond 8 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="42"/>
        <source>Black/white point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/DeepViewControls.cpp" line="45"/>
        <source>Auto (0.1 %/99.9 %)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DemoCameras</name>
    <message>
        <location filename="../src/app/DemoCameras.cpp" line="22"/>
        <source>Simulated camera %1 did not start: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingIni</name>
    <message>
        <location filename="../src/drawing/DrawingIni.cpp" line="79"/>
        <location filename="../src/drawing/DrawingIni.cpp" line="88"/>
        <location filename="../src/drawing/DrawingIni.cpp" line="100"/>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingIni.cpp" line="94"/>
        <source>%1 is not a regular file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingIni.cpp" line="96"/>
        <location filename="../src/drawing/DrawingIni.cpp" line="102"/>
        <source>%1 is larger than %2 MiB.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/drawing/DrawingIni.cpp" line="105"/>
        <source>%1 is not a drawing file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DrawingOverlayPainter</name>
    <message>
        <location filename="../src/drawing/DrawingOverlayPainter.cpp" line="12"/>
        <source>Drawing</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DroppedFramesPainter</name>
    <message>
        <location filename="../src/imaging/DroppedFramesPainter.cpp" line="13"/>
        <source>Received BlockID:%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FeatureBinding</name>
    <message>
        <location filename="../src/controls/FeatureBinding.cpp" line="88"/>
        <source>This camera does not offer %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/FeatureBinding.cpp" line="91"/>
        <source>%1 is read-only on this camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/FeatureBinding.cpp" line="155"/>
        <source>The camera refused %1 for %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/FeatureBinding.cpp" line="157"/>
        <source>The camera set %1 to %2 instead of %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/FeatureBinding.cpp" line="25"/>
        <source>The camera gives %1 a minimum above its maximum: no value can be set.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FrameRatePainter</name>
    <message>
        <location filename="../src/imaging/FrameRatePainter.cpp" line="34"/>
        <source>DispFPS:?/DispCount:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/imaging/FrameRatePainter.cpp" line="35"/>
        <source>FPS:%1/FrameCount:%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GainShutterPage</name>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="43"/>
        <source>Gain/Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="46"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="46"/>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="48"/>
        <source>AGC Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="49"/>
        <source>Auto Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="51"/>
        <source>Exposure mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="53"/>
        <source>ALC Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="54"/>
        <source>Iris Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="54"/>
        <source>Shutter Priority</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="55"/>
        <source>ALC Iris Lens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="58"/>
        <source>Lens Manual Adjustment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="59"/>
        <source>Hold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="59"/>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="59"/>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="62"/>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="64"/>
        <source>Fixed Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="66"/>
        <source>Fixed Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="67"/>
        <source>AGC Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="68"/>
        <source>Min. Shutter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="70"/>
        <source>Max. Shutter time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="72"/>
        <source>Target Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="73"/>
        <source>ALC Peak-Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="74"/>
        <source>Digital Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="75"/>
        <source>Black Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="85"/>
        <source>Weight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="94"/>
        <source>Average</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GainShutterPage.cpp" line="95"/>
        <source>Peak</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GammaPage</name>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="32"/>
        <location filename="../src/controls/GammaPage.cpp" line="147"/>
        <source>Gamma</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="35"/>
        <source>Gamma Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="36"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="36"/>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="43"/>
        <source>EEPROM-&gt;Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="44"/>
        <source>Reload Gamma Data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="59"/>
        <source>Gamma Correction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="66"/>
        <source>To Register</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="68"/>
        <source>To EEPROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/GammaPage.cpp" line="111"/>
        <source>This camera does not offer a gamma table.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GlDisplayWindow</name>
    <message>
        <location filename="../src/display/GlDisplayWindow.cpp" line="116"/>
        <source>This PC does not support OpenGL.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageProcessingPage</name>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="47"/>
        <source>Image processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="117"/>
        <source>Image processing mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="118"/>
        <source>Split screen function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="119"/>
        <source>Binarize setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="120"/>
        <source>Binarize threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="121"/>
        <source>Edge detection setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="122"/>
        <source>Edge detection level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="123"/>
        <source>Frame memory function setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="124"/>
        <source>Still image mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="125"/>
        <source>4x zoom and slide show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="126"/>
        <source>Output control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="131"/>
        <source>No image processing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="132"/>
        <source>Binarize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="133"/>
        <source>Edge detection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="134"/>
        <source>Frame memory function</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="135"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="136"/>
        <source>ON</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="140"/>
        <source>OFF(Live image)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/ImageProcessingPage.cpp" line="141"/>
        <source>ON(Still image)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IoPage</name>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="30"/>
        <source>Output pin0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="30"/>
        <source>Output pin0(Pin No.2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="31"/>
        <source>UserOutputValue pin0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="32"/>
        <source>UserOutputValue pin0(Pin No.2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="33"/>
        <source>Output pin1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="33"/>
        <source>Output pin1(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="34"/>
        <source>UserOutputValue pin1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="35"/>
        <source>UserOutputValue pin1(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="36"/>
        <source>Output pin2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="37"/>
        <source>UserOutputValue pin2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="38"/>
        <source>Output pin3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="39"/>
        <source>UserOutputValue pin3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="40"/>
        <source>Output pin4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="41"/>
        <source>UserOutputValue pin4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="45"/>
        <source>FrameTriggerWait</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="45"/>
        <source>UserOutputValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="46"/>
        <source>ExposureActive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="46"/>
        <source>TriggerAuxiliary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="47"/>
        <source>TriggerInternal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="47"/>
        <source>SensorReadOut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="48"/>
        <source>Strobe signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="49"/>
        <source>Off(Low)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="50"/>
        <source>On(High)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="51"/>
        <source>False</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="52"/>
        <source>True</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="61"/>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="64"/>
        <source>Inverter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="86"/>
        <source>Strobe signal delay(uSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="88"/>
        <source>Strobe signal ontime(uSec)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="89"/>
        <source>StrobeSignalPolarity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="90"/>
        <source>Positive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/IoPage.cpp" line="90"/>
        <source>Negative</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>IpAddressSettingDialog</name>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="58"/>
        <source>IP Address is automatically acquired.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="59"/>
        <source>Current IP Address is maintained.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="60"/>
        <source>Device IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="62"/>
        <source>Device Subnet Mask</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="64"/>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="65"/>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="67"/>
        <source>IPAddress Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="137"/>
        <source>Saved successfully!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/IpAddressSettingDialog.cpp" line="138"/>
        <source>Saved Error! Code=%1[0x%2]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LaunchOptions</name>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="36"/>
        <source>--demo takes 1 to %1 cameras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="52"/>
        <source>--stats-log needs a file name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="54"/>
        <source>Unknown argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="63"/>
        <source>--connect needs an address, or --demo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="66"/>
        <source>--connect takes at most %1 cameras.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/LaunchOptions.cpp" line="73"/>
        <source>usage: lumivex [--demo[=N]] [--connect [ADDR[,ADDR...]]] [--tile] [--stats-log FILE] [--help] [--version]
  --demo[=N]        start N simulated cameras (1 to %1, default 1) on 127.0.0.1 to 127.0.0.N
  --connect [ADDR]  connect these cameras (at most %1, comma separated) without the
                    selection dialog; with --demo and no address, the simulated cameras
  --tile            tile the camera windows over the screen once connected
  --stats-log FILE  append each camera&apos;s stream statistics to FILE as CSV, one line
                    per camera and second
  --help, -h        print this text and exit
  --version         print the version and exit
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LinkDiagnosis</name>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="84"/>
        <source>The socket buffer gets %1 KB of the %2 KB asked for, held by net.core.rmem_max; raise it: sysctl -w net.core.rmem_max=%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="90"/>
        <source>%1 cameras share one link (%2 MB/s together); give each camera a network card of its own, or space their packets with GevSCPD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="96"/>
        <source>Packets of %1 bytes though %2 takes jumbo frames; raise the packet size (GevSCPSPacketSize) or connect again to negotiate it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="100"/>
        <source>Packets of %1 bytes mean %2 packets a second; turn on jumbo frames (ip link set dev %3 mtu 9000, and on any switch) and connect again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="106"/>
        <source>The camera sends its packets back to back (GevSCPD 0); raise GevSCPD step by step until nothing is lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="111"/>
        <source>No setting explains it; check the cable and any switch, and enlarge the card&apos;s receive ring (ethtool -G %1 rx 4096)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/camera/LinkDiagnosis.cpp" line="121"/>
        <source>Packets lost (%1 missing, %2 resent): %3.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LumivexCli</name>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="23"/>
        <location filename="../src/cli/CliDoctor.cpp" line="96"/>
        <location filename="../src/cli/CliImage.cpp" line="356"/>
        <location filename="../src/cli/CliRecord.cpp" line="235"/>
        <location filename="../src/cli/CliSerialArguments.cpp" line="84"/>
        <source>no camera given; name it with -c ADDR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="25"/>
        <source>nothing to do; name at least one feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="27"/>
        <location filename="../src/cli/CliDoctor.cpp" line="98"/>
        <location filename="../src/cli/CliImage.cpp" line="361"/>
        <source>unexpected argument &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="40"/>
        <source>lumivex-cli: no camera answers at %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="47"/>
        <source>another application controls it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="49"/>
        <source>lumivex-cli: cannot connect to the camera at %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="89"/>
        <source>%1 needs a camera address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="96"/>
        <location filename="../src/cli/CliImage.cpp" line="151"/>
        <source>unknown option &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="7"/>
        <source>List the GigE Vision cameras on the network</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="9"/>
        <source>List a camera&apos;s features with their values and ranges</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="10"/>
        <source>Print features of a camera as NAME=value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="11"/>
        <source>Set features of a camera from NAME=VALUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="13"/>
        <source>Read or write registers through a camera&apos;s serial channel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="14"/>
        <source>Record frames of a camera into an AVI movie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="16"/>
        <source>Take one frame from a camera and save it as an image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="18"/>
        <source>Convert a raw camera frame into an image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="19"/>
        <source>Save or load a camera settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCommandTable.h" line="21"/>
        <source>Stream from a camera for a while and say why packets are lost</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliFeatures.cpp" line="11"/>
        <source>Usage: lumivex-cli features -c ADDR
Lists every feature of the camera at ADDR, one line each, tab-separated:
name, type, access (RW, RO, WO), visibility, value (&apos;-&apos; when it cannot be read),
and the range (integers: min..max step inc; floats: min..max) or the
available entries of an enumeration separated by &apos;|&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliGet.cpp" line="10"/>
        <source>Usage: lumivex-cli get -c ADDR NAME...
Prints one line NAME=value for each named feature of the camera at ADDR.
Exits with 1 when a feature is missing or cannot be read.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliGet.cpp" line="27"/>
        <source>the camera has no such feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliGet.cpp" line="28"/>
        <source>it is a command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliGet.cpp" line="30"/>
        <source>lumivex-cli: cannot read %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliList.cpp" line="10"/>
        <source>Usage: lumivex-cli list
Lists the GigE Vision cameras that answer discovery on any network interface,
one line each: IP address, MAC address, model and serial number, tab-separated.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliList.cpp" line="18"/>
        <source>lumivex-cli: unexpected argument &apos;%1&apos;
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliMain.cpp" line="25"/>
        <source>Usage: lumivex-cli COMMAND [OPTIONS]
Looks at and sets up GigE Vision cameras.

Commands:
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliMain.cpp" line="31"/>
        <source>
&apos;lumivex-cli COMMAND --help&apos; describes a command.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliMain.cpp" line="53"/>
        <source>lumivex-cli: unknown command &apos;%1&apos;. &apos;lumivex-cli --help&apos; lists the commands.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="32"/>
        <location filename="../src/cli/CliImage.cpp" line="157"/>
        <location filename="../src/cli/CliRecord.cpp" line="99"/>
        <source>%1 needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="45"/>
        <source>--seconds needs a number of seconds above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="79"/>
        <source>Usage: lumivex-cli doctor -c ADDR [--seconds S]
Streams from the camera at ADDR for S seconds (default 10) and prints the
negotiated packet size, the socket buffer and the system&apos;s maximum, the frames
completed and failed, the packets missing and resent, the MB/s and, when
packets were lost, the likely cause and what to change. Measuring starts with
the first complete frame. Exits with 0 when no packet went missing and no
frame failed, 1 otherwise.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="153"/>
        <source> (through %1, MTU %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="156"/>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="157"/>
        <source>Packet size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="157"/>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="158"/>
        <source>Packet delay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="159"/>
        <source>unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="159"/>
        <source>%1 (GevSCPD)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="160"/>
        <source>Receive path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="161"/>
        <source>packet socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="161"/>
        <source>UDP socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="162"/>
        <source>Socket buffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="163"/>
        <source>%1 KB asked for, system maximum %2 KB (net.core.rmem_max)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="166"/>
        <source>Frames</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="167"/>
        <source>%1 completed, %2 failed, %3 of another format or size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="171"/>
        <source>Packets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="172"/>
        <source>%1 missing, %2 resent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="173"/>
        <source>Throughput</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="174"/>
        <source>%1 MB/s over %2 s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="182"/>
        <source>Nothing was lost: resent packets made up for every loss.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="187"/>
        <source>To change:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="187"/>
        <source>To need fewer resends:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="180"/>
        <source>No frame arrived.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliDoctor.cpp" line="184"/>
        <source>Nothing was lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="180"/>
        <source>--interpolation takes 0 to %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="185"/>
        <source>--mirror takes 0 to %1, not &apos;%2&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="207"/>
        <source>lumivex-cli: cannot convert the frame: %1 bytes of raw data for %2 x %3 need %4
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="270"/>
        <source>use .bmp, .png, .tif, .tiff, .jpg, .jpeg or, for grey images, .raw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="202"/>
        <source>lumivex-cli: cannot save %1: %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="275"/>
        <source>Saved %1 x %2 into %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="310"/>
        <source>no pixel format given; name it with --pixel-format NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="313"/>
        <source>unknown pixel format &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="318"/>
        <source>--width and --height take 1 to 65535</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="325"/>
        <source>name the raw input file and the output file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="330"/>
        <source>lumivex-cli: cannot read %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="358"/>
        <source>no output file given; name it with -o OUT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="395"/>
        <source>lumivex-cli: no complete frame came from the camera at %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="104"/>
        <source>--frames needs a number of frames above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="110"/>
        <source>--seconds needs a time in seconds above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="115"/>
        <source>--quality needs a number from 1 to 100, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="200"/>
        <source>Usage: lumivex-cli record -c ADDR [--frames N | --seconds S]
                          [--codec mjpeg|odml|raw|mp42|ffv1|png|png16|tiff|tiff16]
                          [--quality Q] [--reconnect [--reconnect-timeout S]]
                          FILE.avi|FILE.mkv|FOLDER
Records N frames, or for S seconds, from the camera at ADDR into FILE.avi, as
the viewer&apos;s movie recording does: Motion JPEG (mjpeg, the default), Motion
JPEG in the OpenDML layout for files beyond 1 GB (odml), uncompressed (raw) or
MS-MPEG4 V2 (mp42). With neither N nor S it records until interrupted.
Q, from 1 to 100 (default 75), is the Motion JPEG quality. ffv1 records
losslessly into FILE.mkv at the camera&apos;s own depth; png, png16, tiff and tiff16
write numbered 8 or 16-bit images into FOLDER. Beside the recording,
FILE.frames.csv lists every frame&apos;s index, camera frame id, timestamps and the
camera frames missing before it; a summary ends the output. With --reconnect,
a camera that stops answering is waited for up to S seconds (default 60): its
file is closed, and the recording goes on in the next numbered file
(FILE_2.avi, ...) once the camera answers again at its address. Ctrl+C
(SIGINT), SIGTERM or SIGHUP ends the recording with a complete file and exits
with 130, 143 or 129; a second Ctrl+C ends the program at once. Exits with 1
when the recording cannot start or the camera stops sending frames (or, with
--reconnect, does not come back in time).
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="239"/>
        <source>name exactly one movie file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliCamera.cpp" line="73"/>
        <source>lumivex-cli: cannot connect to the camera at %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="237"/>
        <source>give either --frames or --seconds, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="260"/>
        <source>lumivex-cli: cannot start the acquisition thread
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="271"/>
        <source>lumivex-cli: cannot record into %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="277"/>
        <source>lumivex-cli: the camera stopped sending frames; %1 of %2 frames recorded
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="280"/>
        <source>lumivex-cli: the camera stopped sending frames; %1 frames recorded
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="293"/>
        <source>lumivex-cli: %1 frames recorded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="299"/>
        <source>lumivex-cli: %1 %2 of %3 frames recorded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="303"/>
        <source>lumivex-cli: %1 %2 frames recorded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="307"/>
        <source>Recorded %1 frames into %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerial.cpp" line="36"/>
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
        <location filename="../src/cli/CliSerial.cpp" line="66"/>
        <source>lumivex-cli: the camera at %1 has no serial port %2
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="73"/>
        <source>--port needs 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="89"/>
        <source>say read or write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="92"/>
        <source>write needs BANK ADDRESS and 1 to 255 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="94"/>
        <source>read needs BANK ADDRESS LENGTH</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="98"/>
        <source>BANK must be 0x00 or 0x80</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="101"/>
        <source>ADDRESS must be 0 to 0xFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="108"/>
        <source>LENGTH must be 1 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSerialArguments.cpp" line="115"/>
        <source>not a byte: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="10"/>
        <source>Usage: lumivex-cli set -c ADDR NAME=VALUE...
Sets features of the camera at ADDR in the order given, stopping at the
first one that fails. Integers are decimal or 0x hexadecimal, booleans
true/false or 1/0, enumerations an entry name or its integer value.
Exits with 1 when the camera refuses a value.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="22"/>
        <source>lumivex-cli: &apos;%1&apos; is not NAME=VALUE
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="35"/>
        <source>lumivex-cli: the camera has no feature %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="40"/>
        <source>lumivex-cli: &apos;%1&apos; is not a value for the %2 feature %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="47"/>
        <source>lumivex-cli: %1 is a command and has no value to set
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="52"/>
        <source>the feature is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSet.cpp" line="54"/>
        <source>lumivex-cli: the camera refused %1=%2 (%3)
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliSettings.cpp" line="12"/>
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
        <location filename="../src/cli/CliSettings.cpp" line="39"/>
        <source>lumivex-cli: cannot write the settings to %1
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="173"/>
        <source>--depth takes 8 or 16, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="175"/>
        <source>--bayer takes rgb or raw, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="223"/>
        <source>16 bits are for frames of more than 8 bits a sample (Mono10 to Mono16, 10 and 12-bit Bayer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="229"/>
        <source>BMP and JPEG hold 8 bits only; use .png, .tif, .tiff or .raw for 16 bits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="242"/>
        <source>Saved %1 x %2 at 16 bits into %3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="288"/>
        <source>Usage: lumivex-cli convert --pixel-format NAME --width W --height H [--interpolation 0-5]
                           [--mirror 0-3] [--depth 8|16] [--bayer rgb|raw] IN.raw OUT
Converts a raw camera frame (the frame&apos;s bytes as the camera sent them) as the
viewer does and saves it in the format OUT&apos;s extension names: .bmp, .png,
.tif/.tiff, .jpg/.jpeg or, for grey images, .raw. --interpolation is the colour
interpolation of Bayer frames (default 0), --mirror 0 none, 1 horizontal,
2 vertical, 3 both (default 0).
--depth 16 keeps the camera&apos;s values unscaled in 16-bit PNG, TIFF or raw files
(Mono10 to Mono16 and 10 and 12-bit Bayer); Bayer frames are then demosaicked
(--bayer rgb, the default) or kept as the raw mosaic (--bayer raw).
Pixel formats: %1.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliImage.cpp" line="341"/>
        <source>Usage: lumivex-cli snapshot -c ADDR -o OUT [--interpolation 0-5] [--mirror 0-3]
                            [--depth 8|16] [--bayer rgb|raw]
Takes one complete frame from the camera at ADDR in its current pixel format and
size, converts it as the viewer does and saves it in the format OUT&apos;s extension
names (as convert does, also at 16 bits). Exits with 1 when no complete frame
arrives within 10 s.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="122"/>
        <source>unknown codec &apos;%1&apos;; use mjpeg, odml, raw, mp42, ffv1, png, png16, tiff or tiff16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="241"/>
        <source>the movie file must end in .avi, or .mkv for ffv1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecord.cpp" line="290"/>
        <source>lumivex-cli: %1 of %2 frames recorded.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="42"/>
        <source>--reconnect-timeout needs a value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="46"/>
        <source>--reconnect-timeout needs a number of seconds above 0, not &apos;%1&apos;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="76"/>
        <source>lumivex-cli: the camera at %1 no longer answers; waiting up to %2 s for it
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="92"/>
        <source>lumivex-cli: the camera is back, but the recording cannot go on
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="95"/>
        <source>lumivex-cli: the camera is back after %1 s; the recording goes on
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/cli/CliRecordReconnect.cpp" line="105"/>
        <source>lumivex-cli: the camera did not answer again within %1 s
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NoticeBar</name>
    <message>
        <location filename="../src/display/NoticeBar.cpp" line="19"/>
        <source>Dismiss</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OptionBoard</name>
    <message>
        <location filename="../src/optionboard/OptionLists.cpp" line="16"/>
        <source>Output0(Pin No.3)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/OptionLists.cpp" line="16"/>
        <source>Output1(Pin No.4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/OptionLists.cpp" line="17"/>
        <source>Output2(Pin No.5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/OptionLists.cpp" line="17"/>
        <source>Output3(Pin No.6)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/optionboard/OptionLists.cpp" line="18"/>
        <source>Output4(Pin No.7)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OtherPage</name>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="49"/>
        <source>OFF(Mono)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="50"/>
        <source>OFF(Color)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="51"/>
        <source>Nearest Neighbor Replication</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="52"/>
        <source>Bilinear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="53"/>
        <source>BiCubic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="54"/>
        <source>Bilinear with false color reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="57"/>
        <source>OFF(Normal)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="58"/>
        <source>Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="59"/>
        <source>Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="60"/>
        <source>Horizontal/Vertical</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="75"/>
        <source>Other</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="77"/>
        <source>Camera Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="83"/>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="87"/>
        <source>Smear half reduction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="88"/>
        <source>Frame rate(Hz)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="90"/>
        <source>Binning mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="91"/>
        <source>Double speed mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="98"/>
        <source>Double speed mode tap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="101"/>
        <source>Exposure shutter type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="102"/>
        <source>Reverse X</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="104"/>
        <source>Reverse Y</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="113"/>
        <source>Software Setting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="115"/>
        <source>Color Interpolation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/OtherPage.cpp" line="117"/>
        <source>Mirror Mode</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ProductVersion</name>
    <message>
        <location filename="../src/app/ProductVersion.cpp" line="12"/>
        <source>Copyright (C) Norvane. All rights reserved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordingProgressBar</name>
    <message>
        <location filename="../src/capturewindows/RecordingProgressBar.cpp" line="19"/>
        <source>Stop Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/RecordingProgressBar.cpp" line="56"/>
        <source>Recording: %1 of %2 frames, %3:%4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/RecordingProgressBar.cpp" line="55"/>
        <source>Recording: %1 of %2 frames, %3:%4, waiting for the lost camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SdkDeviceFinderDialog</name>
    <message>
        <location filename="../src/selection/SdkDeviceFinderDialog.cpp" line="23"/>
        <source>IP Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/SdkDeviceFinderDialog.cpp" line="23"/>
        <source>MAC Address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/selection/SdkDeviceFinderDialog.cpp" line="23"/>
        <source>Model</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShutterControls</name>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="23"/>
        <source>1/120</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="24"/>
        <source>1/100</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="25"/>
        <source>1/60</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="26"/>
        <source>1/50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="27"/>
        <source>1/30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="28"/>
        <source>1/25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="43"/>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="44"/>
        <source>[0:Default]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/ShutterControls.cpp" line="60"/>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnapShotImage</name>
    <message>
        <location filename="../src/capturewindows/SnapShotImage.cpp" line="101"/>
        <source>(x,y) = (%1,%2)/(R,G,B)=(%3,%4,%5)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotImage.cpp" line="94"/>
        <source>(x,y) = (%1,%2)/Value=%3 (%4 bits)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SnapShotList</name>
    <message>
        <location filename="../src/capturewindows/SnapShotExitCheck.cpp" line="21"/>
        <source>There are images that are not saved. If you quit this application, these images are removed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="49"/>
        <source>Bitmap(*.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="50"/>
        <source>TIFF(*.tif)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="51"/>
        <source>JPEG(*.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="52"/>
        <source>PNG(*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="53"/>
        <source>All Files(*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="228"/>
        <source>The image could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="67"/>
        <source>8 bits, as shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="70"/>
        <source>16 bits, demosaicked colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="71"/>
        <source>16 bits, the camera&apos;s values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="74"/>
        <source>16 bits, raw Bayer mosaic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="84"/>
        <source>BMP and JPEG hold 8 bits only: this file is saved at 8 bits.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/capturewindows/SnapShotList.cpp" line="90"/>
        <source>Bit depth:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>StreamStatsMonitor</name>
    <message>
        <location filename="../src/app/StreamStatsMonitor.cpp" line="45"/>
        <source>Measuring the stream...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StreamStatsMonitor.cpp" line="62"/>
        <source>%1 fps received, %2 fps shown, %3 MB/s, %4 dropped, %5 missing / %6 resent packets, %7 failed buffers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StreamStatsMonitor.cpp" line="72"/>
        <source>, %1 dropped for another format or size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/app/StreamStatsMonitor.cpp" line="145"/>
        <source>Cannot write the statistics log %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TriggerPage</name>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="113"/>
        <source>Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="119"/>
        <source>Trigger Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="120"/>
        <source>Trigger input selection</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="122"/>
        <source>Software trigger source</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="123"/>
        <source>Exposure mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="124"/>
        <source>Fixed Shutter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="126"/>
        <source>Software Trigger Pulse Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="127"/>
        <source>Software Trigger Pulse Interval</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="129"/>
        <source>One shot trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="131"/>
        <location filename="../src/controls/TriggerPage.cpp" line="381"/>
        <source>Continuous trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="135"/>
        <source>Command Trigger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="144"/>
        <source>Trigger polarity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="145"/>
        <source>Exposure Delay(us)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="146"/>
        <source>Trigger overlap</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="148"/>
        <source>Trigger horizontal reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="192"/>
        <source>[uSec]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/TriggerPage.cpp" line="381"/>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserSetPage</name>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="21"/>
        <source>UserSet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="25"/>
        <source>UserSetSelector:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="29"/>
        <source>UserSetLoad:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="32"/>
        <location filename="../src/controls/UserSetPage.cpp" line="39"/>
        <source>Execute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="36"/>
        <source>UserSetSave:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/UserSetPage.cpp" line="45"/>
        <source>UserSetDefaultSelector:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WaveformWindow</name>
    <message>
        <location filename="../src/analysis/WaveformWindow.cpp" line="24"/>
        <source>Waveform</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WhiteBalancePage</name>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="48"/>
        <source>WhiteBalance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="51"/>
        <source>White Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="52"/>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="52"/>
        <source>Preset1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="52"/>
        <source>Preset2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="52"/>
        <source>Preset3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="53"/>
        <source>ATW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="53"/>
        <source>Push to set WB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="55"/>
        <source>Color Gain R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="55"/>
        <source>Color Gain Gr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="56"/>
        <source>Color Gain Gb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="56"/>
        <source>Color Gain B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="66"/>
        <source>Y Threshold</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <location filename="../src/controls/WhiteBalancePage.cpp" line="69"/>
        <source>WB Zone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
