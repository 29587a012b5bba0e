#include	 "builtin.h"

static WORD   k;



main()
{
   if ( k == 0 )
      k = 1;
   else
   if ( k == 1 )
      k = 2;
   else
   if ( k == 2 )
      k = 3;
   else
   if ( k == 3 )
      k = 4;
   else
   if ( k == 4 )
      k = 5;
   else
   if ( k == 5 )
      k = 6;
   else
   if ( k == 6 )
      k = 7;
   else
   if ( k == 7 )
      k = 8;
   else
   if ( k == 8 )
      k = 9;
   else
   if ( k == 9 )
      k = 10;
   else
   if ( k == 10 )
      k = 11;
   else
   if ( k == 11 )
      k = 12;
   else
   if ( k == 12 )
      k = 13;
   else
   if ( k == 13 )
      k = 14;
   else
   if ( k == 14 )
      k = 15;
   else
   if ( k == 15 )
      k = 16;
   else
   if ( k == 16 )
      k = 17;
   else
   if ( k == 17 )
      k = 18;
   else
   if ( k == 18 )
      k = 19;
   else
   if ( k == 19 )
      k = 20;
   else
   if ( k == 20 )
      k = 21;
   else
   if ( k == 21 )
      k = 22;
   else
   if ( k == 22 )
      k = 23;
   else
   if ( k == 23 )
      k = 24;
   else
   if ( k == 24 )
      k = 25;
   else
   if ( k == 25 )
      k = 26;
   else
   if ( k == 26 )
      k = 27;
   else
   if ( k == 27 )
      k = 28;
   else
   if ( k == 28 )
      k = 29;
   else
   if ( k == 29 )
      k = 30;
   else
   if ( k == 30 )
      k = 31;
   else
   if ( k == 31 )
      k = 32;
   else
   if ( k == 32 )
      k = 33;
   else
   if ( k == 33 )
      k = 34;
   else
   if ( k == 34 )
      k = 35;
   else
   if ( k == 35 )
      k = 36;
   else
   if ( k == 36 )
      k = 37;
   else
   if ( k == 37 )
      k = 38;
   else
   if ( k == 38 )
      k = 39;
   else
   if ( k == 39 )
      k = 40;
   else
   if ( k == 40 )
      k = 41;
   else
   if ( k == 41 )
      k = 42;
   else
   if ( k == 42 )
      k = 43;
   else
   if ( k == 43 )
      k = 44;
   else
   if ( k == 44 )
      k = 45;
   else
   if ( k == 45 )
      k = 46;
   else
   if ( k == 46 )
      k = 47;
   else
   if ( k == 47 )
      k = 48;
   else
   if ( k == 48 )
      k = 49;
   else
   if ( k == 49 )
      k = 50;
   else
   if ( k == 50 )
      k = 51;
   else
   if ( k == 51 )
      k = 52;
   else
   if ( k == 52 )
      k = 53;
   else
   if ( k == 53 )
      k = 54;
   else
   if ( k == 54 )
      k = 55;
   else
   if ( k == 55 )
      k = 56;
   else
   if ( k == 56 )
      k = 57;
   else
   if ( k == 57 )
      k = 58;
   else
   if ( k == 58 )
      k = 59;
   else
   if ( k == 59 )
      k = 60;
   else
   if ( k == 60 )
      k = 61;
   else
   if ( k == 61 )
      k = 62;
   else
   if ( k == 62 )
      k = 63;
   else
   if ( k == 63 )
      k = 64;
   else
   if ( k == 64 )
      k = 65;
   else
   if ( k == 65 )
      k = 66;
   else
   if ( k == 66 )
      k = 67;
   else
   if ( k == 67 )
      k = 68;
   else
   if ( k == 68 )
      k = 69;
   else
   if ( k == 69 )
      k = 70;
   else
   if ( k == 70 )
      k = 71;
   else
   if ( k == 71 )
      k = 72;
   else
   if ( k == 72 )
      k = 73;
   else
   if ( k == 73 )
      k = 74;
   else
   if ( k == 74 )
      k = 75;
   else
   if ( k == 75 )
      k = 76;
   else
   if ( k == 76 )
      k = 77;
   else
   if ( k == 77 )
      k = 78;
   else
   if ( k == 78 )
      k = 79;
   else
   if ( k == 79 )
      k = 80;
   else
   if ( k == 80 )
      k = 81;
   else
   if ( k == 81 )
      k = 82;
   else
   if ( k == 82 )
      k = 83;
   else
   if ( k == 83 )
      k = 84;
   else
   if ( k == 84 )
      k = 85;
   else
   if ( k == 85 )
      k = 86;
   else
   if ( k == 86 )
      k = 87;
   else
   if ( k == 87 )
      k = 88;
   else
   if ( k == 88 )
      k = 89;
   else
   if ( k == 89 )
      k = 90;
   else
   if ( k == 90 )
      k = 91;
   else
   if ( k == 91 )
      k = 92;
   else
   if ( k == 92 )
      k = 93;
   else
   if ( k == 93 )
      k = 94;
   else
   if ( k == 94 )
      k = 95;
   else
   if ( k == 95 )
      k = 96;
   else
   if ( k == 96 )
      k = 97;
   else
   if ( k == 97 )
      k = 98;
   else
   if ( k == 98 )
      k = 99;
   else
   if ( k == 99 )
      k = 100;
   else
   if ( k == 100 )
      k = 101;
   else
   if ( k == 101 )
      k = 102;
   else
   if ( k == 102 )
      k = 103;
   else
   if ( k == 103 )
      k = 104;
   else
   if ( k == 104 )
      k = 105;
   else
   if ( k == 105 )
      k = 106;
   else
   if ( k == 106 )
      k = 107;
   else
   if ( k == 107 )
      k = 108;
   else
   if ( k == 108 )
      k = 109;
   else
   if ( k == 109 )
      k = 110;
   else
   if ( k == 110 )
      k = 111;
   else
   if ( k == 111 )
      k = 112;
   else
   if ( k == 112 )
      k = 113;
   else
   if ( k == 113 )
      k = 114;
   else
   if ( k == 114 )
      k = 115;
   else
   if ( k == 115 )
      k = 116;
   else
   if ( k == 116 )
      k = 117;
   else
   if ( k == 117 )
      k = 118;
   else
   if ( k == 118 )
      k = 119;
   else
   if ( k == 119 )
      k = 120;
   else
   if ( k == 120 )
      k = 121;
   else
   if ( k == 121 )
      k = 122;
   else
   if ( k == 122 )
      k = 123;
   else
   if ( k == 123 )
      k = 124;
   else
   if ( k == 124 )
      k = 125;
   else
   if ( k == 125 )
      k = 126;
   else
   if ( k == 126 )
      k = 127;
   else
   if ( k == 127 )
      k = 128;
   else
   if ( k == 128 )
      k = 129;
   else
   if ( k == 129 )
      k = 130;
   else
   if ( k == 130 )
      k = 131;
   else
   if ( k == 131 )
      k = 132;
   else
   if ( k == 132 )
      k = 133;
   else
   if ( k == 133 )
      k = 134;
   else
   if ( k == 134 )
      k = 135;
   else
   if ( k == 135 )
      k = 136;
   else
   if ( k == 136 )
      k = 137;
   else
   if ( k == 137 )
      k = 138;
   else
   if ( k == 138 )
      k = 139;
   else
   if ( k == 139 )
      k = 140;
   else
   if ( k == 140 )
      k = 141;
   else
   if ( k == 141 )
      k = 142;
   else
   if ( k == 142 )
      k = 143;
   else
   if ( k == 143 )
      k = 144;
   else
   if ( k == 144 )
      k = 145;
   else
   if ( k == 145 )
      k = 146;
   else
   if ( k == 146 )
      k = 147;
   else
   if ( k == 147 )
      k = 148;
   else
   if ( k == 148 )
      k = 149;
   else
   if ( k == 149 )
      k = 150;
   else
   if ( k == 150 )
      k = 151;
   else
   if ( k == 151 )
      k = 152;
   else
   if ( k == 152 )
      k = 153;
   else
   if ( k == 153 )
      k = 154;
   else
   if ( k == 154 )
      k = 155;
   else
   if ( k == 155 )
      k = 156;
   else
   if ( k == 156 )
      k = 157;
   else
   if ( k == 157 )
      k = 158;
   else
   if ( k == 158 )
      k = 159;
   else
   if ( k == 159 )
      k = 160;
   else
   if ( k == 160 )
      k = 161;
   else
   if ( k == 161 )
      k = 162;
   else
   if ( k == 162 )
      k = 163;
   else
   if ( k == 163 )
      k = 164;
   else
   if ( k == 164 )
      k = 165;
   else
   if ( k == 165 )
      k = 166;
   else
   if ( k == 166 )
      k = 167;
   else
   if ( k == 167 )
      k = 168;
   else
   if ( k == 168 )
      k = 169;
   else
   if ( k == 169 )
      k = 170;
   else
   if ( k == 170 )
      k = 171;
   else
   if ( k == 171 )
      k = 172;
   else
   if ( k == 172 )
      k = 173;
   else
   if ( k == 173 )
      k = 174;
   else
   if ( k == 174 )
      k = 175;
   else
   if ( k == 175 )
      k = 176;
   else
   if ( k == 176 )
      k = 177;
   else
   if ( k == 177 )
      k = 178;
   else
   if ( k == 178 )
      k = 179;
   else
   if ( k == 179 )
      k = 180;
   else
   if ( k == 180 )
      k = 181;
   else
   if ( k == 181 )
      k = 182;
   else
   if ( k == 182 )
      k = 183;
   else
   if ( k == 183 )
      k = 184;
   else
   if ( k == 184 )
      k = 185;
   else
   if ( k == 185 )
      k = 186;
   else
   if ( k == 186 )
      k = 187;
   else
   if ( k == 187 )
      k = 188;
   else
   if ( k == 188 )
      k = 189;
   else
   if ( k == 189 )
      k = 190;
   else
   if ( k == 190 )
      k = 191;
   else
   if ( k == 191 )
      k = 192;
   else
   if ( k == 192 )
      k = 193;
   else
   if ( k == 193 )
      k = 194;
   else
   if ( k == 194 )
      k = 195;
   else
   if ( k == 195 )
      k = 196;
   else
   if ( k == 196 )
      k = 197;
   else
   if ( k == 197 )
      k = 198;
   else
   if ( k == 198 )
      k = 199;
   else
   if ( k == 199 )
      k = 200;
   else
   if ( k == 200 )
      k = 201;
   else
      k = 0;
}


