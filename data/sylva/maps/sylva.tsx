<?xml version="1.0" encoding="UTF-8"?>
<tileset version="1.8" tiledversion="1.8.2" name="sylva" tilewidth="32" tileheight="32" tilecount="256" columns="16">
 <properties>
  <property name="texture" type="int" value="10"/>
 </properties>
 <image source="../art/sylva-tiles.png" width="512" height="512"/>
 <tile id="9">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="10">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="11">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="12">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="13">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="14">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="35">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="37">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="38">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="39">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="41">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="42">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="43">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="44">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="45">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="46">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="47">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="48">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="49">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="54">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="55">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="56">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="57">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="58">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="59">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="61">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="62">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="82">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="85">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="92">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="93">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="128">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="129">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="130">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="131">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="132">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="133">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="134">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="135">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="136">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="137">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="139">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="196">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="197">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="198">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="199">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="200">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="201">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="202">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="203">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="204">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="205">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="206">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="207">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="208">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="209">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="210">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="211">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="213">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="214">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="215">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <tile id="255">
  <properties>
   <property name="walkable" type="bool" value="false"/>
  </properties>
 </tile>
 <wangsets>
  <wangset name="Chemin" type="corner" tile="31">
   <wangcolor name="Chemin" color="#c9a268" tile="31" probability="1"/>
   <wangtile tileid="17" wangid="0,0,0,0,0,0,0,1"/>
   <wangtile tileid="18" wangid="0,1,0,0,0,0,0,0"/>
   <wangtile tileid="19" wangid="0,1,0,0,0,0,0,1"/>
   <wangtile tileid="20" wangid="0,0,0,0,0,1,0,0"/>
   <wangtile tileid="21" wangid="0,0,0,0,0,1,0,1"/>
   <wangtile tileid="22" wangid="0,1,0,0,0,1,0,0"/>
   <wangtile tileid="23" wangid="0,1,0,0,0,1,0,1"/>
   <wangtile tileid="24" wangid="0,0,0,1,0,0,0,0"/>
   <wangtile tileid="25" wangid="0,0,0,1,0,0,0,1"/>
   <wangtile tileid="26" wangid="0,1,0,1,0,0,0,0"/>
   <wangtile tileid="27" wangid="0,1,0,1,0,0,0,1"/>
   <wangtile tileid="28" wangid="0,0,0,1,0,1,0,0"/>
   <wangtile tileid="29" wangid="0,0,0,1,0,1,0,1"/>
   <wangtile tileid="30" wangid="0,1,0,1,0,1,0,0"/>
   <wangtile tileid="31" wangid="0,1,0,1,0,1,0,1"/>
  </wangset>
  <wangset name="Eau" type="corner" tile="47">
   <wangcolor name="Eau" color="#3f7ec0" tile="47" probability="1"/>
   <wangtile tileid="33" wangid="0,0,0,0,0,0,0,1"/>
   <wangtile tileid="34" wangid="0,1,0,0,0,0,0,0"/>
   <wangtile tileid="35" wangid="0,1,0,0,0,0,0,1"/>
   <wangtile tileid="36" wangid="0,0,0,0,0,1,0,0"/>
   <wangtile tileid="37" wangid="0,0,0,0,0,1,0,1"/>
   <wangtile tileid="38" wangid="0,1,0,0,0,1,0,0"/>
   <wangtile tileid="39" wangid="0,1,0,0,0,1,0,1"/>
   <wangtile tileid="40" wangid="0,0,0,1,0,0,0,0"/>
   <wangtile tileid="41" wangid="0,0,0,1,0,0,0,1"/>
   <wangtile tileid="42" wangid="0,1,0,1,0,0,0,0"/>
   <wangtile tileid="43" wangid="0,1,0,1,0,0,0,1"/>
   <wangtile tileid="44" wangid="0,0,0,1,0,1,0,0"/>
   <wangtile tileid="45" wangid="0,0,0,1,0,1,0,1"/>
   <wangtile tileid="46" wangid="0,1,0,1,0,1,0,0"/>
   <wangtile tileid="47" wangid="0,1,0,1,0,1,0,1"/>
  </wangset>
  <wangset name="Feuillage" type="corner" tile="79">
   <wangcolor name="Feuillage" color="#3a8a3c" tile="79" probability="1"/>
   <wangtile tileid="65" wangid="0,0,0,0,0,0,0,1"/>
   <wangtile tileid="66" wangid="0,1,0,0,0,0,0,0"/>
   <wangtile tileid="67" wangid="0,1,0,0,0,0,0,1"/>
   <wangtile tileid="68" wangid="0,0,0,0,0,1,0,0"/>
   <wangtile tileid="69" wangid="0,0,0,0,0,1,0,1"/>
   <wangtile tileid="70" wangid="0,1,0,0,0,1,0,0"/>
   <wangtile tileid="71" wangid="0,1,0,0,0,1,0,1"/>
   <wangtile tileid="72" wangid="0,0,0,1,0,0,0,0"/>
   <wangtile tileid="73" wangid="0,0,0,1,0,0,0,1"/>
   <wangtile tileid="74" wangid="0,1,0,1,0,0,0,0"/>
   <wangtile tileid="75" wangid="0,1,0,1,0,0,0,1"/>
   <wangtile tileid="76" wangid="0,0,0,1,0,1,0,0"/>
   <wangtile tileid="77" wangid="0,0,0,1,0,1,0,1"/>
   <wangtile tileid="78" wangid="0,1,0,1,0,1,0,0"/>
   <wangtile tileid="79" wangid="0,1,0,1,0,1,0,1"/>
  </wangset>
 </wangsets>
</tileset>
